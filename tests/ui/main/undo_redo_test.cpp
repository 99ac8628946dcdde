// Undo and redo through the real windows: each kind of step, the modified mark
// and the saved file after undo-then-save.
#include "support/test_pictures.h"
#include "ui/button_editor/button_editor.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/main_menu_bar.h"
#include "ui/main/main_window.h"
#include "ui/params/program_params_dialog.h"
#include "ui/shape/picture_view.h"
#include "ui/shape/shape_window.h"
#include "ui/support_session.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray Menu = "[MAIN]\r\nProgram=Menu\r\nCompany=Co\r\nSizeX=320\r\nSizeY=200\r\nReSort=0\r\n"
                        "background=back.bmp\r\nCustomShape=1\r\n"
                        "[Button#0]\r\nName=Play\r\nAction=RUN\r\nLeft=100\r\ntop=100\r\nWidth=60\r\nHeight=30\r\n"
                        "[Button#2]\r\nName=Quit\r\nAction=CLOSE\r\nLeft=200\r\ntop=20\r\nWidth=60\r\nHeight=30\r\n"
                        "[TextInfo]\r\nLeft=10\r\ntop=150\r\nWidth=100\r\nHeight=40\r\n"
                        "[CustomPoints]\r\nx0=10\r\ny0=20\r\nx1=30\r\ny1=40\r\nx2=50\r\ny2=25\r\n";

class UndoRedoTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        FilledPicture(320, 200, 0xFF204060).save(m_dir.File("back.bmp"), "BMP");
        NoisePicture(320, 200, 7).save(m_dir.File("other.bmp"), "BMP");
        m_dir.Write("launcher.ini", Menu);
        m_session.Start(m_dir.File("launcher.ini"));
        ASSERT_TRUE(m_errors.isEmpty()) << m_errors.join("; ").toStdString();
        Main().show();
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
        m_canvas = Main().findChild<DesignCanvasWidget*>();
    }
    MainWindow& Main() { return m_session.Main(); }
    MenuProject& Project() { return TheEditor().Project(); }
    const MenuButton& Slot(int n) { return Project().Buttons[n]; }

    void Canvas(QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), m_canvas->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(m_canvas, &event);
    }
    // A drag on the canvas as the user makes it: over, press, move, release.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Canvas(QEvent::MouseMove, from, Qt::NoButton);
        Canvas(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Canvas(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, mods);
        Canvas(QEvent::MouseMove, to, Qt::LeftButton, mods);
        Canvas(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    // The keys from the window that has the focus, as the user presses them.
    void Key(int key, Qt::KeyboardModifiers mods)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main();
        QTest::keyClick(target, Qt::Key(key), mods);
    }
    void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    QAction* Action(const char* name) { return Main().findChild<QAction*>(QLatin1String(name)); }
    // What the Edit menu's items say, opened as the user opens it.
    QString UndoItem()
    {
        QMenu* edit = Main().findChild<QMenu*>(QStringLiteral("EditMenu"));
        emit edit->aboutToShow();
        const QString text = Action("ActionUndo")->text();
        emit edit->aboutToHide();
        return text;
    }
    template <typename T = QLineEdit>
    T* EditorField(const char* name)
    {
        return NamedChild<T>(m_session.Buttons(), name);
    }
    void ClickMain(const char* name) { QTest::mouseClick(NamedChild<QPushButton>(Main(), name), Qt::LeftButton); }
    // Types into a field that has the focus, then leaves it with Tab.
    void TypeAndLeave(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    DesignCanvasWidget* m_canvas = nullptr;
};

TEST_F(UndoRedoTest, ADragIsOneStepUndoneAndRedoneByTheKeys)
{
    Drag({130, 115}, {150, 125});
    ASSERT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(120, 110));
    EXPECT_EQ(UndoItem(), "&Undo Move Button#0");
    EXPECT_TRUE(Main().ShownCaption().startsWith('*')) << Main().ShownCaption().toStdString();
    Undo();
    EXPECT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(100, 100));
    EXPECT_FALSE(Main().ShownCaption().startsWith('*')) << "back at the state loaded";
    EXPECT_EQ(EditorField("X")->text(), QStringLiteral("100")) << "the button editor shows the state put back";
    Redo();
    EXPECT_EQ(Slot(0).Left, 120);
    Undo();
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Slot(0).Left, 120) << "Ctrl+Y redoes too";
    // The canvas shows the project as a full redraw would.
    DesignCanvas fresh;
    fresh.EnsureCreated(TheEditor().Canvas().Image().width(), TheEditor().Canvas().Image().height());
    fresh.RedrawCanvas(Project());
    EXPECT_EQ(TheEditor().Canvas().Image(), fresh.Image());
}

TEST_F(UndoRedoTest, AResizeAndANewButtonAreStepsOfTheirOwn)
{
    Drag({130, 115}, {140, 120}, Qt::ShiftModifier);
    EXPECT_EQ(std::make_pair(Slot(0).Width, Slot(0).Height), std::make_pair(70, 35));
    Drag({20, 20}, {80, 60});
    ASSERT_TRUE(Slot(1).Used) << "the lowest free slot";
    EXPECT_EQ(UndoItem(), "&Undo New Button#1");
    Undo();
    EXPECT_FALSE(Slot(1).Used);
    EXPECT_FALSE(EditorField("Edit1")->isEnabled()) << "the editor shows no button that is gone";
    EXPECT_EQ(UndoItem(), "&Undo Resize Button#0");
    Undo();
    EXPECT_EQ(std::make_pair(Slot(0).Width, Slot(0).Height), std::make_pair(60, 30));
    Redo();
    Redo();
    EXPECT_TRUE(Slot(1).Used);
    EXPECT_EQ(Slot(1).Left, 20);
}

TEST_F(UndoRedoTest, ARenameIsOneStepWhenItsFieldIsLeftAndTheFieldKeepsItsOwnUndoUntilThen)
{
    Drag({130, 115}, {130, 115}); // a click picks the button into the editor
    QTest::keyClick(m_canvas, Qt::Key_Return); // and Enter goes there
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.Buttons()));
    QLineEdit* name = EditorField("Edit1");
    ASSERT_EQ(name->text(), QStringLiteral("Play"));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Start");
    ASSERT_EQ(Slot(0).Name, "Start");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Play")) << "the field's own undo while it is typed in";
    EXPECT_EQ(Slot(0).Name, "Play");
    EXPECT_FALSE(TheEditor().History().CanUndo()) << "no step was recorded for it";

    TypeAndLeave(name, "Begin");
    EXPECT_EQ(UndoItem(), "&Undo Name of Button#0");
    EXPECT_EQ(TheEditor().History().StepCount(), 1) << "the keystrokes of one field make one step";
    Undo(); // from the next field, not typed in
    EXPECT_EQ(Slot(0).Name, "Play");
    EXPECT_EQ(name->text(), QStringLiteral("Play"));
    Redo();
    EXPECT_EQ(name->text(), QStringLiteral("Begin"));
}

TEST_F(UndoRedoTest, AParametersOkThatChangedTheSizeAndTheBackgroundIsOneStep)
{
    const QImage before = Project().NormalPicture;
    const QSize window = Main().size();
    bool done = false;
    QTimer::singleShot(0, &Main(), [&] {
        auto* dialog = qobject_cast<ProgramParamsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        m_pickedFile = m_dir.File("other.bmp");
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("PickBackground"), Qt::LeftButton);
        auto* sizeY = dialog->findChild<QLineEdit*>("SizeYEdit");
        sizeY->setText(QStringLiteral("240"));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("OkButton"), Qt::LeftButton);
        done = true;
    });
    QTest::mouseClick(NamedChild<QPushButton>(Main(), "ParametersButton"), Qt::LeftButton);
    ASSERT_TRUE(done);
    ASSERT_EQ(Project().Main.SizeY, 240);
    ASSERT_EQ(Project().Main.BackgroundFile, "other.bmp");
    EXPECT_EQ(UndoItem(), "&Undo Program Parameters");
    EXPECT_EQ(TheEditor().History().StepCount(), 1);

    Undo();
    EXPECT_EQ(Project().Main.SizeY, 200);
    EXPECT_EQ(Project().Main.BackgroundFile, "back.bmp");
    EXPECT_EQ(Project().NormalPicture, before);
    EXPECT_EQ(Main().size(), window) << "the window follows the design size";
    EXPECT_EQ(TheEditor().Canvas().Image().pixel(5, 5), before.pixel(5, 5));
    Redo();
    EXPECT_EQ(Project().Main.SizeY, 240);
    EXPECT_EQ(TheEditor().Canvas().Image().pixel(5, 5), Project().NormalPicture.pixel(5, 5));
}

TEST_F(UndoRedoTest, AParametersCancelLeavesNoStepWhateverTheFocusDid)
{
    bool picked = false;
    bool left = false;
    QTimer::singleShot(0, &Main(), [&] {
        auto* dialog = qobject_cast<ProgramParamsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (QTest::qWaitForWindowActive(dialog)) {
            m_pickedFile = m_dir.File("other.bmp");
            QTest::mouseClick(dialog->findChild<QAbstractButton*>("PickBackground"), Qt::LeftButton);
            picked = Project().Main.BackgroundFile == "other.bmp" || Project().NormalPicture.pixel(5, 5) != 0xFF204060;
            auto* title = dialog->findChild<QLineEdit*>("TitleEdit");
            title->setFocus();
            QTest::keyClicks(title, "x");
            // Leaves a field while the picked picture is in the project.
            QTest::keyClick(title, Qt::Key_Tab);
            left = !title->hasFocus();
        }
        dialog->reject();
    });
    QTest::mouseClick(NamedChild<QPushButton>(Main(), "ParametersButton"), Qt::LeftButton);
    ASSERT_TRUE(picked);
    ASSERT_TRUE(left);
    EXPECT_FALSE(TheEditor().History().CanUndo());
    HistoryWatch::ExpectRecorded(TheEditor());
    EXPECT_FALSE(Main().ShownCaption().startsWith('*'));
}

TEST_F(UndoRedoTest, ATextAreaMoveIsUndoneWithTheAreaAndItsBoxes)
{
    auto* x = NamedChild<QLineEdit>(Main(), "X");
    auto* area = Main().findChild<QWidget*>(QStringLiteral("TextArea"));
    TypeAndLeave(x, "40");
    ASSERT_EQ(Project().TextInfo.Left, 40);
    EXPECT_EQ(UndoItem(), "&Undo Move text area");
    Undo();
    EXPECT_EQ(Project().TextInfo.Left, 10);
    EXPECT_EQ(x->text(), QStringLiteral("10"));
    EXPECT_EQ(area->x(), 10);
    ClickMain("Button10"); // Hide
    EXPECT_EQ(UndoItem(), "&Undo Hide text area");
    EXPECT_FALSE(area->isVisible());
    Undo();
    EXPECT_TRUE(area->isVisible());
}

TEST_F(UndoRedoTest, AShapePointSortAndDeleteAreUndone)
{
    TheEditor().DesignCommand();
    ShapeWindow& shape = m_session.Shape();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shape));
    auto* picture = NamedChild<PictureView>(shape, "Image");
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(70, 80), picture->mapToGlobal(QPointF(70, 80)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(picture, &event);
    }
    ASSERT_EQ(Project().Shape.PointCount, 5) << "the press and the release each place one";
    EXPECT_EQ(UndoItem(), "&Undo Shape points");
    QTest::keyClick(&shape, Qt::Key_Z, Qt::ControlModifier); // from the shape window
    EXPECT_EQ(Project().Shape.PointCount, 3) << "the whole press-to-release gesture is one step";
    EXPECT_EQ(NamedChild<QListWidget>(shape, "PointList")->item(3)->checkState(), Qt::Unchecked)
        << "the table shows the points put back";

    ClickMain("SortButton");
    ASSERT_EQ(Slot(0).Name, "Quit");
    EXPECT_EQ(UndoItem(), "&Undo Sort");
    Undo();
    EXPECT_EQ(Slot(0).Name, "Play");
    EXPECT_EQ(Slot(2).Name, "Quit");

    TheEditor().SetCurrentButton(2);
    TheEditor().ShowButtonEditor();
    TheEditor().LoadButtonEditor();
    m_answer = QMessageBox::Yes;
    QTest::mouseClick(EditorField<QPushButton>("Button2"), Qt::LeftButton);
    ASSERT_FALSE(Slot(2).Used);
    EXPECT_EQ(UndoItem(), "&Undo Delete Button#2");
    Undo();
    EXPECT_TRUE(Slot(2).Used);
    EXPECT_EQ(Slot(2).Name, "Quit");
}

TEST_F(UndoRedoTest, UndoThenSaveWritesTheFileAsItWasBeforeTheEdit)
{
    ASSERT_TRUE(TheEditor().SaveWithReport(&Main()));
    const QByteArray saved = m_dir.Read("launcher.ini");
    EXPECT_FALSE(Main().ShownCaption().startsWith('*'));
    Drag({130, 115}, {170, 135});
    TypeAndLeave(NamedChild<QLineEdit>(Main(), "X"), "55");
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(m_dir.Read("launcher.ini"), saved);
    EXPECT_FALSE(Main().ShownCaption().startsWith('*')) << "saved";
    EXPECT_EQ(TheEditor().History().StepCount(), 2) << "saving adds no step";
    Undo();
    EXPECT_TRUE(Main().ShownCaption().startsWith('*')) << "before what was saved";
    Undo();
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_dir.Read("launcher.ini"), saved);
    Redo();
    Redo();
    EXPECT_TRUE(Main().ShownCaption().startsWith('*'));
}

TEST_F(UndoRedoTest, ASortingSaveKeepsTheHistoryAndItsStateIsTheSavedOne)
{
    m_session.Main().findChild<QCheckBox*>(QStringLiteral("SortCheck"))->click();
    ASSERT_TRUE(Project().Main.ReSort);
    EXPECT_EQ(UndoItem(), "&Undo Sort check box");
    ASSERT_TRUE(TheEditor().SaveWithReport(&Main()));
    EXPECT_EQ(Slot(0).Name, "Quit") << "the save sorted";
    HistoryWatch::ExpectRecorded(TheEditor());
    EXPECT_EQ(TheEditor().History().StepCount(), 1);
    EXPECT_FALSE(TheEditor().IsModified());
}

TEST_F(UndoRedoTest, LoadingStartsANewHistory)
{
    Drag({130, 115}, {150, 125});
    ASSERT_TRUE(TheEditor().History().CanUndo());
    m_answer = QMessageBox::No;
    m_pickedFile = m_dir.File("launcher.ini");
    QTest::keyClick(&Main(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Opening...: Save changes?")});
    EXPECT_FALSE(TheEditor().History().CanUndo());
    EXPECT_EQ(UndoItem(), "&Undo");
}

TEST_F(UndoRedoTest, TheMenuBarRunsTheStripsCommandsAndKeepsTheStripOnScreen)
{
    auto* strip = NamedChild<QWidget>(Main(), "SaveButton");
    EXPECT_EQ(strip->window(), &Main());
    EXPECT_GE(m_canvas->mapTo(&Main(), QPoint(0, 0)).y(), Main().MenuBarHeight()) << "the canvas under the bar";
    EXPECT_LE(strip->mapTo(&Main(), QPoint(0, strip->height())).y(), Main().height());
    Project().Main.Title = "Menu saved";
    Action("ActionSave")->trigger();
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Program=Menu saved"));
    Action("ActionSort")->trigger();
    EXPECT_EQ(Slot(0).Name, "Quit");
    EXPECT_EQ(UndoItem(), "&Undo Sort");
    // The export commands sit between Save As and Quit.
    const QList<QAction*> file = Main().MenuBar().FileMenu()->actions();
    const auto at = [&](const char* name) { return file.indexOf(Main().findChild<QAction*>(QLatin1String(name))); };
    EXPECT_EQ(at("ActionSaveAs") + 1, at("ActionExportWebPage"));
    EXPECT_EQ(at("ActionExportWebPage") + 1, at("ExportPlace"));
}

} // namespace
