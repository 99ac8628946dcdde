#include "ui/main/main_window.h"

#include "ui/core/editor.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/ini_file_group.h"
#include "ui/main/system_group.h"
#include "ui/main/text_area.h"
#include "ui/main/text_item_group.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

MainWindow::MainWindow(Editor& editor, QWidget* parent)
    // A normal window, not a Qt::Tool one: closing it must end the program.
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_editor(editor)
{
    setObjectName(QStringLiteral("MainForm"));
    setProperty("helpContext", 10);
    m_canvas = new DesignCanvasWidget(editor, this);
    m_textArea = new TextArea(this);
    m_iniGroup = new IniFileGroup(editor, this);
    m_textGroup = new TextItemGroup(editor, *m_textArea, this);
    m_systemGroup = new SystemGroup(editor, this);
    connect(m_systemGroup, &SystemGroup::CloseRequested, this, &QWidget::close);
    // The strip's fixed places were laid out for a small dialog font.
    QFont stripFont = font();
    stripFont.setPixelSize(10);
    for (QWidget* group : {static_cast<QWidget*>(m_iniGroup), static_cast<QWidget*>(m_textGroup),
                           static_cast<QWidget*>(m_systemGroup)})
        group->setFont(stripFont);
    auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    connect(open, &QShortcut::activated, m_iniGroup, &IniFileGroup::OpenCommand);
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, m_iniGroup, &IniFileGroup::SaveCommand);
    setFixedSize(680, 521);
    LayOut();
}

QSize MainWindow::ClientSizeFor(int sizeX, int sizeY)
{
    return QSize(std::max(sizeX, MinClientWidth), sizeY + StripHeight + 1);
}

QPoint MainWindow::CentredPosition(const QSize& screen, const QSize& frame)
{
    return QPoint(screen.width() / 2 - frame.width() / 2, screen.height() / 2 - frame.height() / 2);
}

void MainWindow::SetDesignSize(int sizeX, int sizeY)
{
    m_canvasHeight = std::max(sizeY, 0);
    setFixedSize(ClientSizeFor(sizeX, m_canvasHeight));
    LayOut();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize frame = frameGeometry().size().expandedTo(size());
        move(CentredPosition(screen->geometry().size(), frame));
    }
}

void MainWindow::LayOut()
{
    const int w = width();
    m_canvas->setGeometry(0, 0, w, m_canvasHeight);
    const int stripTop = height() - StripHeight;
    m_iniGroup->setGeometry(0, stripTop, 146, StripHeight);
    m_textGroup->setGeometry(146, stripTop, 172, StripHeight);
    m_systemGroup->setGeometry(w - 189, stripTop, 189, StripHeight);
    m_textArea->raise();
}

void MainWindow::SetCaption(const QString& caption) { setWindowTitle(caption); }

void MainWindow::SetApplicationTitle(const QString& title) { setWindowIconText(title); }

void MainWindow::ProjectFlagsChanged()
{
    m_systemGroup->ShowProjectFlags();
    m_textGroup->ShowDisableSelText();
}

void MainWindow::TextInfoLoaded() { m_textGroup->ShowTextInfo(); }

void MainWindow::ShowTextFile(const QString& storedName) { m_textArea->ShowFile(storedName); }

bool MainWindow::ClickEditChecked() const { return m_systemGroup->ClickEditChecked(); }

void MainWindow::CanvasChanged(const QRect& dirty) { m_canvas->update(dirty); }

void MainWindow::SetIniFileName(const QString& name) { m_iniGroup->SetFileName(name); }

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_editor.WarningsShown())
        m_editor.ShowStatus();
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

bool MainWindow::ConfirmClose()
{
    const auto answer = m_editor.Dialogs().Ask(this, QStringLiteral("Save changes?"), QStringLiteral("Exiting..."),
                                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    m_editor.HideToolWindows();
    return m_editor.SaveWithReport(this);
}
