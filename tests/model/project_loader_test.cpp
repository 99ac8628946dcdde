#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"
#include "support/scoped_current_folder.h"
#include "support/test_pictures.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ProjectLoaderTest : public ::testing::Test {
protected:
    void Load(const QString& name) { LoadProject(*m_project, m_dir.File(name), m_view); }

    QString SavePicture(const QString& name, QColor color, const char* format, QSize size = {8, 6})
    {
        QDir().mkpath(QFileInfo(m_dir.File(name)).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        image.save(m_dir.File(name), format);
        return name;
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
    LoggingProjectView m_view;
};

QByteArray Points(int count)
{
    QByteArray text = "[MAIN]\nCustomShape=1\n[CustomPoints]\n";
    for (int i = 0; i < count; ++i)
        text += "x" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\ny" + QByteArray::number(i) + "=1\n";
    return text;
}

TEST_F(ProjectLoaderTest, ASecondLoadReplacesTheWholeShape)
{
    m_dir.Write("ten.ini", Points(10));
    m_dir.Write("three.ini", Points(3));
    Load("ten.ini");
    Load("three.ini");
    EXPECT_EQ(m_project->Shape.PointCount, 3);
    int used = 0;
    for (const ShapePoint& p : m_project->Shape.Points)
        used += p.State == ShapePointState::Used ? 1 : 0;
    EXPECT_EQ(used, 3);
    EXPECT_EQ(m_project->Shape.Points[3], ShapePoint{});
}

TEST_F(ProjectLoaderTest, KeepsTheFirstHundredPointsAndWarnsAboutTheRest)
{
    m_dir.Write("many.ini", Points(130));
    Load("many.ini");
    EXPECT_EQ(m_project->Shape.PointCount, 100);
    EXPECT_EQ(m_project->Shape.Points[99].X, 99);
    EXPECT_TRUE(m_view.Log().filter(QStringLiteral("more than 100 points")).size() == 1);
    EXPECT_TRUE(m_view.Log().contains(QStringLiteral("Custom points Loaded. (100 points)")));
}

TEST_F(ProjectLoaderTest, AnErrorStopKeepsEarlierValuesAndLeavesTheRestAsTheyWere)
{
    m_dir.Write("first.ini", "[MAIN]\nProgram=First\n[Button#2]\nLeft=1\ntop=1\nWidth=5\nHeight=5\nAction=RUN\n");
    m_dir.Write("bad.ini", "[MAIN]\nProgram=Second\nSizeX=320\n[TextInfo]\nLeft=7\nFontColor=notacolour\n");
    Load("first.ini");
    EXPECT_THROW(
        {
            try {
                Load("bad.ini");
            } catch (const VyxError& e) {
                EXPECT_EQ(e.Message(), QStringLiteral("'notacolour' is not a valid integer value"));
                throw;
            }
        },
        VyxError);
    EXPECT_EQ(m_project->Main.Title, "Second");
    EXPECT_EQ(m_project->Main.SizeX, 320);
    EXPECT_EQ(m_project->TextInfo.Left, 7);
    EXPECT_TRUE(m_project->Buttons[2].Used) << "buttons are read after the failing colour";
    EXPECT_TRUE(m_view.StatusVisible());
}

TEST_F(ProjectLoaderTest, StatusClosesWhenEverythingWasFoundAndStaysOpenOtherwise)
{
    SavePicture("back.bmp", Qt::red, "BMP");
    SavePicture("over.jpg", Qt::green, "JPG");
    SavePicture("click.JPEG", Qt::blue, "JPG");
    m_dir.Write("all.ini", "[MAIN]\nbackground=back.bmp\nbackover=over.jpg\nbackclick=click.JPEG\n");
    Load("all.ini");
    EXPECT_FALSE(m_view.StatusVisible());
    EXPECT_EQ(m_view.Status(), QStringLiteral("Loaded."));
    EXPECT_EQ(m_project->OverPicture.size(), QSize(8, 6));
    EXPECT_NEAR(qGreen(m_project->OverPicture.pixel(3, 3)), 255, 3);

    m_dir.Write("one_missing.ini", "[MAIN]\nbackground=back.bmp\nbackover=over.jpg\nbackclick=gone.bmp\n");
    Load("one_missing.ini");
    EXPECT_TRUE(m_view.StatusVisible());
    EXPECT_TRUE(m_view.Log().contains(QStringLiteral("! Background file missing (Click)")));
}

TEST_F(ProjectLoaderTest, AMissingPictureKeepsThePreviousOne)
{
    SavePicture("a.bmp", Qt::yellow, "BMP", {4, 4});
    m_dir.Write("with.ini", "[MAIN]\nbackground=a.bmp\n");
    m_dir.Write("without.ini", "[MAIN]\nbackground=missing.bmp\n");
    Load("with.ini");
    Load("without.ini");
    EXPECT_EQ(m_project->NormalPicture.size(), QSize(4, 4));
    EXPECT_EQ(m_project->Main.BackgroundFile, "missing.bmp");
}

TEST_F(ProjectLoaderTest, PicturesAreFoundWithWindowsNamesInAnyCase)
{
    SavePicture("pics/Back.JPG", Qt::white, "JPG");
    m_dir.Write("menu.ini", "[MAIN]\nbackground=PICS\\back.jpg\n");
    Load("menu.ini");
    EXPECT_EQ(m_project->NormalPicture.size(), QSize(8, 6));
    EXPECT_FALSE(m_view.Log().contains(QStringLiteral("! Background file missing (Default)")));
}

TEST_F(ProjectLoaderTest, ADamagedPictureStopsLoadingWithTheDecodersMessage)
{
    m_dir.Write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0garbage-garbage-garbage", 26));
    m_dir.Write("menu.ini", "[MAIN]\nbackground=broken.jpg\n[Button#0]\nLeft=1\ntop=1\nWidth=5\nHeight=5\nAction=RUN\n");
    try {
        Load("menu.ini");
        FAIL() << "a damaged picture must stop loading";
    } catch (const VyxError& e) {
        EXPECT_FALSE(e.Message().isEmpty());
    }
    EXPECT_FALSE(m_project->Buttons[0].Used);
}

TEST_F(ProjectLoaderTest, MakesTheIniFoldersTheCurrentFolder)
{
    m_dir.Write("sub/launcher.ini", "[MAIN]\nProgram=Sub\n");
    QDir::setCurrent(m_dir.Path());
    LoadProject(*m_project, QStringLiteral("sub/launcher.ini"), m_view);
    EXPECT_EQ(QFileInfo(CurrentFolder()).canonicalFilePath(), QFileInfo(m_dir.File("sub")).canonicalFilePath());
    EXPECT_EQ(m_project->Main.Title, "Sub");
}

TEST_F(ProjectLoaderTest, AMissingIniGivesDefaultsAndAWarning)
{
    m_project->Main.Title = "Old";
    m_project->Buttons[5].Used = true;
    Load("nothing-here.ini");
    EXPECT_EQ(m_view.Log().first(), QStringLiteral("! INI not found."));
    EXPECT_EQ(m_project->Main.Title, "-=Vyx=- Launcher");
    EXPECT_EQ(m_project->Main.SizeX, 640);
    EXPECT_FALSE(m_project->Buttons[5].Used);
    EXPECT_TRUE(m_view.StatusVisible());
    EXPECT_EQ(m_view.DesignSize(), std::make_pair(640, 460));
}

TEST_F(ProjectLoaderTest, JunkAndHugeLinesLoadAsDefaults)
{
    QByteArray junk(256 * 1024, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919 + 13) % 256);
    m_dir.Write("junk.ini", junk);
    EXPECT_NO_THROW(Load("junk.ini"));
    m_dir.Write("huge.ini", "[MAIN]\nProgram=" + QByteArray(10 * 1024 * 1024, 'x') + "\nSizeX=100\n");
    Load("huge.ini");
    EXPECT_EQ(m_project->Main.Title.size(), 2047);
    EXPECT_EQ(m_project->Main.SizeX, 100);
}

TEST_F(ProjectLoaderTest, TextFieldsAreCutToTheirCapacity)
{
    m_dir.Write("long.ini", "[Button#1]\nLeft=1\ntop=1\nWidth=5\nHeight=5\nAction=abcdefghijklmnopqrstuvwxyz\nParams="
                                + QByteArray(300, 'p') + "\n");
    Load("long.ini");
    EXPECT_EQ(m_project->Buttons[1].Action, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(m_project->Buttons[1].Params.size(), 200);
}

TEST_F(ProjectLoaderTest, AUtf16FileIsReadWithAWarningThatItWillBeSavedAs8BitText)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    m_dir.Write("wide.ini", encoder.encode(QStringLiteral("[MAIN]\r\nProgram=Men\u00fc\r\nSizeX=320\r\n"
                                                          "[Button#2]\r\nAction=run\r\nLeft=1\r\ntop=1\r\n"
                                                          "Width=5\r\nHeight=5\r\n")));
    Load("wide.ini");
    EXPECT_EQ(m_project->Main.Title, QByteArray("Men\xFC"));
    EXPECT_EQ(m_project->Main.SizeX, 320);
    EXPECT_TRUE(m_project->Buttons[2].Used);
    EXPECT_TRUE(m_view.Log().contains(
        QStringLiteral("! UTF-16 file read in code page windows-1252: it will be saved as 8-bit text")));
    EXPECT_TRUE(m_view.StatusVisible());
}

TEST_F(ProjectLoaderTest, WhatIsNotARegularFileStopsLoadingWithAClearMessage)
{
    QDir(m_dir.Path()).mkdir("folder.ini");
    for (const QString& name : {QStringLiteral("/dev/zero"), m_dir.File("folder.ini")}) {
        try {
            LoadProject(*m_project, name, m_view);
            ADD_FAILURE() << name.toStdString();
        } catch (const VyxError& e) {
            EXPECT_EQ(e.Message(), name + " is not a regular file");
        }
        EXPECT_FALSE(m_view.Log().contains(QStringLiteral("! INI not found.")));
    }
}

TEST_F(ProjectLoaderTest, AMenuSizeOutOfRangeIsBoundedForTheWindowWithAWarning)
{
    const struct {
        const char* size;
        std::pair<int, int> shown;
    } cases[] = {{"SizeX=100000\r\nSizeY=-5", {16384, 1}},
                 {"SizeX=0\r\nSizeY=0", {1, 1}},
                 {"SizeX=16384\r\nSizeY=16384", {16384, 1953}},
                 {"SizeX=640\r\nSizeY=480", {640, 480}}};
    for (const auto& c : cases) {
        m_dir.Write("size.ini", QByteArray("[MAIN]\r\n") + c.size + "\r\n");
        Load("size.ini");
        EXPECT_EQ(m_view.DesignSize(), c.shown) << c.size;
        const bool bounded = c.shown != std::make_pair(m_project->Main.SizeX, m_project->Main.SizeY);
        EXPECT_EQ(m_view.Log().filter("! Menu size ").size(), bounded ? 1 : 0) << c.size;
    }
    m_dir.Write("size.ini", "[MAIN]\r\nSizeX=100000\r\nSizeY=-5\r\n");
    Load("size.ini");
    EXPECT_TRUE(m_view.Log().contains(QStringLiteral("! Menu size 100000 x -5 is out of range: the window shows 16384 x 1")));
    EXPECT_EQ(m_project->Main.SizeX, 100000) << "the values stay as read";
    EXPECT_EQ(m_project->Main.SizeY, -5);
    QString name = m_dir.File("size.ini");
    SaveProject(*m_project, name, m_view);
    EXPECT_TRUE(m_dir.Read("size.ini").contains("SizeX=100000\r\nSizeY=-5\r\n")) << "and are written back unchanged";
}

TEST_F(ProjectLoaderTest, TheStatusLabelAndTheLogFollowTheStagesInOrder)
{
    SavePicture("back.bmp", Qt::red, "BMP");
    m_dir.Write("menu.ini", "[MAIN]\r\nProgram=Demo\r\nCompany=ACME\r\nbackground=back.bmp\r\nCustomShape=1\r\n"
                            "[TextInfo]\r\nLeft=1\r\ntop=2\r\n[Button#4]\r\nAction=RUN\r\nLeft=1\r\ntop=1\r\n"
                            "Width=5\r\nHeight=5\r\n[CustomPoints]\r\nx0=1\r\ny0=2\r\n");
    Load("menu.ini");
    EXPECT_EQ(m_view.Statuses(), QStringList({"Opening INI", "Loading backgrounds...", "Loading Textinfo...",
                                              "Loading BUTTONS...", "Loading Custom Shape...", "Loaded."}));
    EXPECT_EQ(m_view.Log(), QStringList({"Main params Loaded: ACME Demo", "Background default file: back.bmp",
                                         "! Background file missing (OVER)", "Background OVER file: ",
                                         "! Background file missing (Click)", "Background CLICK file: ",
                                         "TextInfo loaded and active.", "Buttons loaded. (1 buttons)",
                                         "Custom points Loaded. (1 points)"}));
}

// A picture that cannot be read stops loading: the pictures read before it are
// the new ones, the failing one and those after it keep their previous content.
TEST_F(ProjectLoaderTest, ADamagedOverOrClickPictureStopsAfterTheNormalPictureWasReplaced)
{
    m_dir.Write("broken.bmp", "BM-not-a-bitmap");
    SavePicture("good.bmp", Qt::blue, "BMP", {5, 4});
    const QImage oldOver = FilledPicture(3, 3, qRgb(1, 2, 3));
    const QImage oldClick = FilledPicture(2, 2, qRgb(4, 5, 6));
    for (const bool overBroken : {true, false}) {
        m_project->NormalPicture = FilledPicture(7, 7, qRgb(9, 9, 9));
        m_project->OverPicture = oldOver;
        m_project->ClickPicture = oldClick;
        m_dir.Write("menu.ini", overBroken ? "[MAIN]\nbackground=good.bmp\nbackover=broken.bmp\nbackclick=good.bmp\n"
                                           : "[MAIN]\nbackground=good.bmp\nbackover=good.bmp\nbackclick=broken.bmp\n");
        EXPECT_THROW(Load("menu.ini"), VyxError);
        EXPECT_EQ(m_project->NormalPicture.size(), QSize(5, 4)) << overBroken;
        EXPECT_EQ(m_project->NormalPicture.pixel(0, 0), qRgb(0, 0, 255));
        EXPECT_EQ(m_project->OverPicture.size(), overBroken ? QSize(3, 3) : QSize(5, 4));
        EXPECT_EQ(m_project->ClickPicture, oldClick) << "the failing picture keeps its previous content";
        EXPECT_EQ(m_view.Log().last(), overBroken ? QStringLiteral("Background default file: good.bmp")
                                                  : QStringLiteral("Background OVER file: good.bmp"));
        EXPECT_EQ(m_view.Status(), QStringLiteral("Loading backgrounds..."));
        EXPECT_TRUE(m_view.StatusVisible());
    }
}

} // namespace
