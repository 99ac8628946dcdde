#include "ui/button_editor/button_editor_fixture.h"

#include "support/used_button.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

ButtonEditorFixture::ButtonEditorFixture()
{
    m_editor.SetButtonEditor(&m_form);
    m_editor.SetButtonList(&m_list);
    SharedDialogs& dialogs = m_editor.Dialogs();
    dialogs.SetErrorListener([this](const QString& text, const QString&) { m_errors << text; });
    dialogs.SetQuestionAnswerer([](const QString& text, const QString&, QMessageBox::StandardButtons) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return QMessageBox::No;
    });
    dialogs.SetFileAnswerer([](const OpenFileRequest& request) -> std::optional<QString> {
        ADD_FAILURE() << "unexpected file dialog: " << request.Title.toStdString();
        return std::nullopt;
    });
}

MenuButton& ButtonEditorFixture::UseButton(int slot, int left, int top, int width, int height,
                                           const QByteArray& name)
{
    MenuButton& button = Slot(slot);
    button = UsedButton(left, top, width, height, name);
    return button;
}

void ButtonEditorFixture::Load(int slot)
{
    m_editor.SetCurrentButton(slot);
    m_editor.LoadButtonEditor();
}

bool ButtonEditorFixture::ShowActive()
{
    m_form.show();
    m_form.activateWindow();
    return QTest::qWaitForWindowActive(&m_form);
}

void ButtonEditorFixture::PickAction(const QString& item)
{
    auto* combo = Child<QComboBox>("ComboBox1");
    const int row = combo->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    combo->showPopup();
    combo->view()->setCurrentIndex(combo->model()->index(row, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
}

void ButtonEditorFixture::TypeOver(QWidget* box, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ButtonEditorFixture::PrepareCanvas()
{
    Project().Main.SizeX = 320;
    Project().Main.SizeY = 200;
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(Background);
    Project().NormalPicture = picture;
    m_editor.RedrawCanvas();
}

QImage ButtonEditorFixture::FullRedraw()
{
    DesignCanvas canvas;
    canvas.EnsureCreated(m_editor.Canvas().Image().width(), m_editor.Canvas().Image().height());
    canvas.RedrawCanvas(Project());
    return canvas.Image();
}

bool ButtonEditorFixture::FrameEdgeAt(int x, int top, int bottom)
{
    const QImage& image = m_editor.Canvas().Image();
    for (int y = top; y <= bottom; ++y)
        if (image.pixel(x, y) != Background)
            return true;
    return false;
}

QList<QStringList> ButtonEditorFixture::ListRows() const
{
    const auto* list = m_list.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    QList<QStringList> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(row)->text(column);
        rows << cells;
    }
    return rows;
}
