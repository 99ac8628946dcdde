#include "ui/params/params_dialog_fixture.h"

#include "platform/file_names.h"
#include "platform/picture_converter.h"
#include "platform/picture_loader.h"
#include "platform/vyx_error.h"
#include "support/test_pictures.h"
#include "ui/main/main_window.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Programs = "Programs|*.exe;*.com;*.pif;*.lnk|All files|*.*";
const QString Sounds = "WAV|*.wav|All|*.*";
const QString Pictures = "Pictures (BMP, JPG, JPEG)|*.bmp;*.jpg;*.jpeg|"
                         "Other pictures, converted (PNG, WebP, TIFF, GIF, SVG)|*.png;*.webp;*.tif;*.tiff;*.gif;*.svg";

struct PickerCase {
    const char* Button;
    const char* Box;
    int Page;
    QString Title;
    QString Filter;
    bool StartsInProjectFolder;
};

} // namespace

class ParamsPickersTest : public ParamsDialogFixture {
protected:
    void SetUp() override { Start(); }

    // A picture file in the project folder.
    QString WritePicture(const QString& name, const QImage& picture, const char* format)
    {
        const QString path = m_dir.File(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(picture.save(path, format)) << name.toStdString();
        return path;
    }
    // Scribbles on the canvas so that a redraw shows.
    void Scribble() { TheEditor().Canvas().Image().setPixel(100, 100, 0xFF00FF00); }
    bool Redrawn() { return TheEditor().Canvas().Image().pixel(100, 100) != 0xFF00FF00; }
};

TEST_F(ParamsPickersTest, EachFilePickerAsksItsOwnWayAndStoresARelativeName)
{
    const PickerCase cases[] = {
        {"PickIcon", "IconEdit", 0, "Icon file", "ICO|*.ico|All files|*.*", true},
        {"PickSoundOver", "SoundOverEdit", 2, "Sound file: Mouse OVER", Sounds, true},
        {"PickSoundClick", "SoundClickEdit", 2, "Sound file: Mouse CLICK", Sounds, true},
        {"PickOnLoadSound", "OnLoadSoundEdit", 2, "OnLoad Sound File", "WAV|*.wav|All files|*.*", true},
        {"PickUnAssProg", "UnAssProgEdit", 6, "UnAssExt program", Programs, false},
        {"PickNotFoundProg", "NotFoundProgEdit", 6, "On File not Found program", Programs, false},
        {"PickDefaultText", "DefaultTextEdit", 6, "Default Text file", "RTF|*.rtf|TXT|*.txt", true},
    };
    Open();
    for (const PickerCase& picker : cases) {
        Child<QTabWidget>("PageControl1")->setCurrentIndex(picker.Page);
        m_requests.clear();
        Shared().OpenFile().InitialDir = "/elsewhere";
        Answer(std::nullopt);
        Child(picker.Box)->setText("kept");
        Click(picker.Button);
        EXPECT_EQ(Child(picker.Box)->text(), "kept") << picker.Button;

        Answer(m_dir.File("sub/file.dat"));
        Shared().OpenFile().InitialDir = "/elsewhere";
        Click(picker.Button);
        ASSERT_EQ(m_requests.size(), 2) << picker.Button;
        EXPECT_EQ(m_requests[1].Title, picker.Title);
        EXPECT_EQ(m_requests[1].Filter, picker.Filter);
        EXPECT_EQ(m_requests[1].InitialDir, picker.StartsInProjectFolder ? m_dir.Path() : "/elsewhere");
        EXPECT_EQ(Shared().OpenFile().InitialDir, picker.StartsInProjectFolder ? "" : "/elsewhere");
        EXPECT_EQ(Child(picker.Box)->text(), "sub\\file.dat") << picker.Button;
    }
    // Picked names reach the project only on "OK".
    EXPECT_EQ(Main().IconFile, "menu.ico");
    Click("OkButton");
    EXPECT_EQ(Main().IconFile, "sub\\file.dat");
    EXPECT_EQ(Main().DefNotFoundProg, "sub\\file.dat");
    EXPECT_EQ(TheEditor().Project().TextInfo.DefaultFile, "sub\\file.dat");
}

TEST_F(ParamsPickersTest, BackgroundInsideTheFolderLosesItsFolderOutsideStaysWhole)
{
    QTemporaryDir outside;
    const QString elsewhere = outside.filePath("far.bmp");
    ASSERT_TRUE(FilledPicture(40, 30, 0xFF203040).save(elsewhere, "BMP"));
    WritePicture("pics/near.bmp", FilledPicture(40, 30, 0xFF405060), "BMP");
    Open(1);
    Answer(m_dir.File("pics/near.bmp"));
    Click("PickBackOver");
    EXPECT_EQ(m_requests.value(0).Title, "Obrázek \"Mouse-OVER\"");
    EXPECT_EQ(m_requests.value(0).Filter, Pictures);
    EXPECT_EQ(m_requests.value(0).InitialDir, m_dir.Path());
    EXPECT_EQ(Child("BackOverEdit")->text(), "pics\\near.bmp");
    EXPECT_EQ(TheEditor().Project().OverPicture.pixel(0, 0), 0xFF405060);
    // The over picture sets no size.
    EXPECT_EQ(Child("SizeXEdit")->text(), "320");

    // The current folder is elsewhere: the picker makes it the project folder again.
    QDir::setCurrent(outside.path());
    Answer(elsewhere);
    Click("PickBackClick");
    EXPECT_EQ(m_requests.value(1).Title, "Obrázek \"Mouse-CLICK\"");
    EXPECT_EQ(Child("BackClickEdit")->text(), elsewhere);
    EXPECT_EQ(TheEditor().Project().ClickPicture.pixel(0, 0), 0xFF203040);
    EXPECT_EQ(QDir::currentPath(), QDir(m_dir.Path()).canonicalPath());
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
}

TEST_F(ParamsPickersTest, MainBackgroundResizesAtOnceAndCancelPutsBackWhatWasThere)
{
    WritePicture("big.bmp", NoisePicture(800, 600, 7), "BMP");
    WritePicture("over.bmp", NoisePicture(800, 600, 8), "BMP");
    const QImage before = TheEditor().Project().NormalPicture;
    const QImage beforeOver = TheEditor().Project().OverPicture;
    Open(1);
    Answer(m_dir.File("over.bmp"));
    Click("PickBackOver");
    Answer(m_dir.File("big.bmp"));
    Click("PickBackground");
    EXPECT_EQ(m_requests.value(1).Title, "\"Backgroud\" picture");
    EXPECT_EQ(Child("BackgroundEdit")->text(), "big.bmp");
    EXPECT_EQ(Child("SizeXEdit")->text(), "800");
    EXPECT_EQ(Child("SizeYEdit")->text(), "600");
    EXPECT_EQ(m_session.Main().size(), m_session.Main().WindowSizeFor(800, 600));
    const QImage& canvas = TheEditor().Canvas().Image();
    ASSERT_EQ(canvas.size(), QSize(800, 600));
    // The whole picture is on the canvas, the button's frame over it.
    const QImage picture = NoisePicture(800, 600, 7);
    EXPECT_EQ(canvas.pixel(700, 500), picture.pixel(700, 500));
    EXPECT_EQ(canvas.pixel(11, 10), picture.pixel(11, 10));
    EXPECT_EQ(canvas.pixel(10, 10), picture.pixel(10, 10) ^ 0x00FFFFFF);

    Click("CancelButton");
    EXPECT_EQ(TheEditor().Project().NormalPicture, before);
    EXPECT_EQ(TheEditor().Project().OverPicture, beforeOver);
    EXPECT_EQ(m_session.Main().size(), m_session.Main().WindowSizeFor(320, 200));
    ASSERT_EQ(TheEditor().Canvas().Image().height(), 200);
    EXPECT_NE(TheEditor().Canvas().Image().pixel(300, 150), picture.pixel(300, 150)) << "the picked picture is gone";
    EXPECT_EQ(Main().SizeX, 320);
    EXPECT_EQ(Main().SizeY, 200);
    EXPECT_TRUE(Main().BackgroundFile.isEmpty());

    // The next opening shows the project's values again; "OK" then takes the picked ones.
    Open(1);
    EXPECT_EQ(Child("SizeXEdit")->text(), "320");
    Click("PickBackground");
    Click("OkButton");
    EXPECT_EQ(Main().SizeX, 800);
    EXPECT_EQ(Main().SizeY, 600);
    EXPECT_EQ(Main().BackgroundFile, "big.bmp");
}

TEST_F(ParamsPickersTest, JpegNamesOfAnyCaseDecodeAsJpeg)
{
    for (const QString name : {"back.JPEG", "back.jpg"}) {
        WritePicture(name, FilledPicture(64, 48, 0xFF3060C0), "JPEG");
        Open(1);
        Answer(m_dir.File(name));
        Click("PickBackground");
        EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
        const QImage& picture = TheEditor().Project().NormalPicture;
        ASSERT_EQ(picture.size(), QSize(64, 48)) << name.toStdString();
        EXPECT_NEAR(qBlue(picture.pixel(30, 20)), 0xC0, 4);
        EXPECT_EQ(Child("SizeYEdit")->text(), "48");
        EXPECT_EQ(picture, PictureLoader::DecodeJpeg(m_dir.File(name)));
    }
}

TEST_F(ParamsPickersTest, MissingPickedFileKeepsTheFieldAndRedraws)
{
    Open(1);
    Child("BackgroundEdit")->setText("old.bmp");
    Scribble();
    Answer(m_dir.File("gone.bmp"));
    Click("PickBackground");
    EXPECT_EQ(m_boxes, QStringList({"Chyba: Nebyl nalezen soubor s pozadím"}));
    EXPECT_EQ(Child("BackgroundEdit")->text(), "old.bmp");
    EXPECT_TRUE(Redrawn());

    // Cancelling the file dialog does nothing at all.
    m_boxes.clear();
    Scribble();
    Answer(std::nullopt);
    Click("PickBackground");
    EXPECT_TRUE(m_boxes.isEmpty());
    EXPECT_FALSE(Redrawn());
}

TEST_F(ParamsPickersTest, ARefusedPictureShowsTheLoadersMessageAndChangesNothing)
{
    const QImage before = FilledPicture(320, 200, 0xFF112233);
    TheEditor().Project().NormalPicture = before;
    Open(1);
    for (const QString name : {"bad.bmp", "back.png"}) {
        const QString file = m_dir.Write(name, "this is not a bitmap");
        QString expected;
        try {
            PictureConverter::ReadOpaque(file);
        } catch (const VyxError& e) {
            expected = e.Message();
        }
        ASSERT_FALSE(expected.isEmpty()) << name.toStdString();
        m_boxes.clear();
        Child("BackgroundEdit")->setText("old.bmp");
        Scribble();
        Answer(file);
        Click("PickBackground");
        EXPECT_EQ(m_boxes, QStringList({"Error: " + expected}));
        EXPECT_EQ(Child("BackgroundEdit")->text(), "old.bmp") << name.toStdString();
        EXPECT_EQ(TheEditor().Project().NormalPicture, before);
        EXPECT_FALSE(Redrawn());
        EXPECT_EQ(Child("SizeXEdit")->text(), "320");
    }
}
