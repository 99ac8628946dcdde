#include "platform/code_page.h"
#include "support/test_pictures.h"
#include "ui/main/canvas_fixture.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QUrl>

namespace {

// Files dropped from a file manager: a text/uri-list, as Qt hands it to the widget.
class CanvasDropTest : public CanvasFixture {
protected:
    QString WriteFile(const QString& name, const QByteArray& bytes = "x") { return m_dir.Write(name, bytes); }
    QString WritePicture(const QString& name, const QImage& picture)
    {
        const QString path = m_dir.File(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }
    // Drags the URLs onto the widget and drops them there; false when the widget refused them.
    static bool Drop(QWidget* widget, QPoint at, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        // The canvas takes the drop once the drag has ended.
        QCoreApplication::processEvents();
        return true;
    }
    bool DropOnCanvas(QPoint at, const QString& file) { return Drop(m_canvas, at, {QUrl::fromLocalFile(file)}); }
};

struct BackgroundCase {
    const char* name;
    QMessageBox::StandardButton answer; // Yes normal, No over, Retry click
    Text MainParams::*field;            // nullptr: cancelled
    QImage MenuProject::*picture;
};

class BackgroundDropTest : public CanvasDropTest, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundDropTest, ABmpOnEmptyCanvasBecomesThePictureChosenInOneStep)
{
    const BackgroundCase& c = GetParam();
    const QImage picture = NoisePicture(320, 200, 5);
    const QString file = WritePicture("pics/new.bmp", picture);
    const ProjectState before = ProjectState::Of(TheEditor().Project());
    m_answer = c.answer;
    ASSERT_TRUE(DropOnCanvas({20, 20}, file));
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions.front().startsWith("Background picture: Use pics\\new.bmp as")) << m_questions.front().toStdString();
    MenuProject& project = TheEditor().Project();
    if (!c.field) {
        EXPECT_TRUE(before.Matches(project)) << "cancelled";
        return;
    }
    EXPECT_EQ(project.Main.*c.field, "pics\\new.bmp");
    EXPECT_EQ(project.*c.picture, picture);
    const bool normal = c.picture == &MenuProject::NormalPicture;
    EXPECT_EQ(QSize(project.Main.SizeX, project.Main.SizeY), normal ? QSize(320, 200) : QSize(640, 460));
    if (normal)
        EXPECT_EQ(TheEditor().Canvas().Image().pixel(5, 5), picture.pixel(5, 5)) << "redrawn";
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Background picture"));
    EXPECT_EQ(TheEditor().History().StepCount(), 1);
    TheEditor().Undo();
    EXPECT_TRUE(before.Matches(project));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackgroundDropTest,
    ::testing::Values(
        BackgroundCase{"Normal", QMessageBox::Yes, &MainParams::BackgroundFile, &MenuProject::NormalPicture},
        BackgroundCase{"Over", QMessageBox::No, &MainParams::BackOverFile, &MenuProject::OverPicture},
        BackgroundCase{"Click", QMessageBox::Retry, &MainParams::BackClickFile, &MenuProject::ClickPicture},
        BackgroundCase{"Cancelled", QMessageBox::Cancel, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct ButtonDropCase {
    const char* name;
    const char* file;
    int slot;
    // The button's LoadInfo, Action, Params and ShellRunAction afterwards.
    QByteArray loadInfo, action, params, verb;
    const char* undo;
};

class ButtonDropTest : public CanvasDropTest, public ::testing::WithParamInterface<ButtonDropCase> {};

TEST_P(ButtonDropTest, AFileOnAButtonBecomesItsHelpFileOrItsTargetAsThePickersMakeThem)
{
    const ButtonDropCase& c = GetParam();
    ASSERT_TRUE(DropOnCanvas(CentreOf(c.slot), WriteFile(QString::fromLatin1(c.file))));
    const MenuButton& b = Slot(c.slot);
    EXPECT_EQ(b.LoadInfo, c.loadInfo);
    EXPECT_EQ(b.Action, c.action);
    EXPECT_EQ(b.Params, c.params);
    EXPECT_EQ(b.ShellRunAction, c.verb);
    EXPECT_EQ(Selected(), std::vector<int>{c.slot});
    EXPECT_EQ(ShownSlot(), QString::number(c.slot));
    EXPECT_EQ(TheEditor().UndoText(), QString::fromLatin1(c.undo));
    EXPECT_EQ(TheEditor().History().StepCount(), 1);
}

// Button 2 is a CLOSE button without target; 3 runs " /a " with no verb.
INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonDropTest,
    ::testing::Values(ButtonDropCase{"RtfHelp", "help/about.rtf", 3, "help\\about.rtf", "RUN", " /a ", "", "Undo Help file"},
                      ButtonDropCase{"TxtHelpAnyCase", "Notes.TXT", 2, "Notes.TXT", "CLOSE", "", "", "Undo Help file"},
                      ButtonDropCase{"ProgramTarget", "bin/setup.exe", 2, "", "RUN", "bin\\setup.exe", "Open", "Undo Target"},
                      ButtonDropCase{"VerbOfTheExtensionList", "song.mp3", 3, "", "RUN", "song.mp3", "Play", "Undo Target"},
                      ButtonDropCase{"NoVerbListed", "setup.bat", 3, "", "RUN", "setup.bat", "", "Undo Target"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasDropTest, RefusedDropsSayWhyAndChangeNothing)
{
    const ProjectState before = ProjectState::Of(TheEditor().Project());
    ASSERT_TRUE(Drop(m_canvas, {20, 20}, {QUrl("https://example.org/back.bmp")}));
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors.front().contains("not a file on this computer")) << m_errors.front().toStdString();

    // The code page (windows-1252 in the tests) has no "ř".
    ASSERT_TRUE(DropOnCanvas(CentreOf(0), WriteFile(QStringLiteral("při.rtf"))));
    ASSERT_EQ(m_errors.size(), 2);
    EXPECT_EQ(m_errors.back(), CodePage::RefusalMessage(QStringLiteral("ř")));
    EXPECT_TRUE(m_questions.isEmpty());
    EXPECT_TRUE(before.Matches(TheEditor().Project()));
    EXPECT_EQ(TheEditor().History().StepCount(), 0);
}

TEST_F(CanvasDropTest, APngOnEmptyCanvasIsOfferedAsTheBmpOrJpegThePlayerShows)
{
    const QString pngFile = m_dir.File("logo.png");
    ASSERT_TRUE(FilledPicture(10, 10, 0xFF00FF00).save(pngFile, "PNG"));
    m_answer = QMessageBox::Cancel;
    ASSERT_TRUE(DropOnCanvas({20, 20}, pngFile));
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions.front().contains("launcher.exe shows BMP and JPEG only: convert logo.png to logo.jpg / logo.bmp?"))
        << m_questions.front().toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_dir.File("logo.bmp"))) << "declined: nothing written";
    EXPECT_EQ(TheEditor().History().StepCount(), 0);

    m_answer = QMessageBox::No; // the BMP, then "Over" in the picture question
    ASSERT_TRUE(DropOnCanvas({20, 20}, pngFile));
    EXPECT_EQ(TheEditor().Project().Main.BackOverFile, Text("logo.bmp"));
    EXPECT_EQ(TheEditor().Project().OverPicture.pixel(5, 5), 0xFF00FF00u);
    EXPECT_TRUE(QFileInfo::exists(m_dir.File("logo.bmp")));
    EXPECT_EQ(TheEditor().History().StepCount(), 1);
}

TEST_F(CanvasDropTest, AFileUrlDroppedOnAFileFieldBecomesTheNameItsPickerStores)
{
    Click(3);
    auto* target = m_session.Buttons().findChild<QLineEdit*>("Edit4");
    ASSERT_TRUE(Drop(target, {5, 5}, {QUrl::fromLocalFile(WriteFile("bin/setup.exe"))}));
    EXPECT_EQ(target->text(), QStringLiteral("bin\\setup.exe")) << "no file:/// text";
    EXPECT_EQ(m_session.Buttons().findChild<QLineEdit*>("Edit8")->text(), QStringLiteral("Open")) << "the verb proposed";
    EXPECT_EQ(Slot(3).Params, "bin\\setup.exe");
    EXPECT_EQ(TheEditor().History().StepCount(), 1);

    auto* iniBox = m_session.Main().findChild<QLineEdit*>("IniFile");
    const QString other = WriteFile("other/launcher.ini", "[MAIN]\r\n");
    ASSERT_TRUE(Drop(iniBox, {5, 5}, {QUrl::fromLocalFile(other)}));
    EXPECT_EQ(iniBox->text(), other);
    EXPECT_EQ(TheEditor().IniFileName(), other);
}

} // namespace
