#include "support/failing_file_operations.h"
#include "support/test_pictures.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/core/picture_conversion_offer.h"
#include "ui/main/main_window.h"
#include "ui/shape/mask_form.h"
#include "ui/shape/picture_view.h"
#include "ui/status/status_window.h"
#include "ui/support_session.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

// A white picture with a black bar in rows 2..3, columns 1..3.
QImage Bar() { return BlockPicture(QSize(8, 6), White, QRect(1, 2, 3, 2), Black); }

// The texts a label showed on screen, one per paint.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) { label->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_texts << static_cast<QLabel*>(watched)->text();
        return false;
    }
    QStringList Progress() const { return m_texts.filter(QStringLiteral(" % done")); }

private:
    QStringList m_texts;
};

class MaskFormTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("menu.ini", "[MAIN]\r\nProgram=Mask\r\n");
        m_session.Start(m_dir.File("menu.ini"));
        TheEditor().Project().NormalPicture = Bar();
    }

    MaskForm& Form() { return m_session.Mask(); }
    template <typename T>
    T* Child(const char* name)
    {
        return NamedChild<T>(Form(), name);
    }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    QString Status() { return Child<QLabel>("Status")->text(); }
    // Whether the status label has room for all of its text.
    bool StatusShownWhole()
    {
        const QLabel* label = Child<QLabel>("Status");
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label->contentsRect();
        return room.contains(label->fontMetrics().boundingRect(room, flags, label->text()));
    }
    QString Log() { return NamedChild<QPlainTextEdit>(m_session.Status(), "Log")->toPlainText(); }
    // "MASK" with the question answered; `whileOpen` runs in the modal dialog, which then closes.
    void Mask(QMessageBox::StandardButton answer, const std::function<void()>& whileOpen = {})
    {
        m_answer = answer;
        QTimer::singleShot(0, &Form(), [this, whileOpen] {
            m_shownWhileOpen = Form().isVisible();
            if (whileOpen)
                whileOpen();
            Form().close();
        });
        QTest::mouseClick(m_session.Main().findChild<QPushButton*>("MaskButton"), Qt::LeftButton);
    }

    bool m_shownWhileOpen = false;
};

TEST_F(MaskFormTest, MaskAsksAndYesCopiesTheBackground)
{
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("MaskForm"));
    EXPECT_TRUE(Child<QCheckBox>("Autosave")->isChecked());
    EXPECT_FALSE(Child<QPushButton>("SaveMask")->isEnabled());
    EXPECT_EQ(Child<TSuperSpinEditI>("Tolerance")->text(), QStringLiteral("10"));
    Mask(QMessageBox::No);
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Question: Use background image?")});
    EXPECT_TRUE(m_shownWhileOpen);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(Form().Maker().Shown().isNull()) << "No copies nothing";
    Mask(QMessageBox::Yes);
    EXPECT_EQ(Form().Maker().Shown(), Bar());
    EXPECT_EQ(Form().Maker().Hidden(), Bar());
}

TEST_F(MaskFormTest, MakeMaskSavesBesideTheIniAndPreviews)
{
    Form().UsePicture(Bar());
    Click("MakeMask");
    EXPECT_EQ(Status(), QStringLiteral("Done. (saved)"));
    const QByteArray mask = m_dir.Read("menu.msk");
    ASSERT_EQ(mask.size(), 48);
    EXPECT_EQ(mask, Region::FromRect(1, 2, 4, 4).Data());
    EXPECT_EQ(Form().Maker().Shown().pixel(2, 3), Red) << "the preview";
    EXPECT_EQ(Form().Maker().Shown().pixel(0, 0), White);
    Click("Restore");
    EXPECT_EQ(Form().Maker().Shown(), Bar());
    Click("Preview");
    EXPECT_EQ(Form().Maker().Shown().pixel(2, 3), Red);

    // Red picked from the preview: a build that scanned the red bar would leave it
    // out, but the build scans the untouched picture, where nothing is red.
    QTest::mouseClick(Child<PictureView>("Image"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(Form().Maker().MaskColor(), 0x0000FFu);
    Click("MakeMask");
    EXPECT_EQ(m_dir.Read("menu.msk"), Region::FromRect(0, 0, 8, 6).Data());
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(MaskFormTest, PickingTheMaskColourByClickingThePicture)
{
    Form().UsePicture(Bar());
    QTest::mouseClick(Child<PictureView>("Image"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(Form().Maker().MaskColor(), 0u);
    EXPECT_EQ(Child<QWidget>("ColorPanel")->palette().color(QPalette::Window), QColor(Qt::black));
    Click("MakeMask");
    EXPECT_EQ(Form().Maker().PlasmaRegion().Current().Rects(),
              (std::vector<RegionRect>{{0, 0, 8, 2}, {0, 2, 1, 4}, {4, 2, 8, 4}, {0, 4, 8, 6}}))
        << "now the white is opaque";
}

TEST_F(MaskFormTest, AutosaveOffEnablesSaveMask)
{
    Form().UsePicture(Bar());
    Click("Autosave");
    EXPECT_TRUE(Child<QPushButton>("SaveMask")->isEnabled());
    Click("MakeMask");
    EXPECT_EQ(Status(), QStringLiteral("Done. (not saved)"));
    EXPECT_FALSE(m_dir.Exists("menu.msk"));
    Click("SaveMask");
    EXPECT_EQ(Status(), QStringLiteral("Done. (saved)"));
    EXPECT_EQ(m_dir.Read("menu.msk"), Region::FromRect(1, 2, 4, 4).Data());
    Click("Autosave");
    EXPECT_FALSE(Child<QPushButton>("SaveMask")->isEnabled());
}

TEST_F(MaskFormTest, NothingOpaqueWritesNoFileAndSaysSo)
{
    m_dir.Write("menu.msk", "old mask");
    Form().UsePicture(FilledPicture(4, 4, 0xFFF8F8F8));
    Click("MakeMask");
    EXPECT_EQ(Status(), QStringLiteral("Done. (nothing opaque, not saved)"));
    EXPECT_TRUE(StatusShownWhole());
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
    Click("Autosave");
    Click("MakeMask");
    EXPECT_EQ(Status(), QStringLiteral("Done. (not saved)"));
    Click("SaveMask");
    EXPECT_EQ(Status(), QStringLiteral("No mask to save"));
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
}

TEST_F(MaskFormTest, AFailedWriteKeepsTheOldMaskAndShowsTheError)
{
    m_dir.Write("menu.msk", "old mask");
    Form().UsePicture(Bar());
    {
        FailingFileOperations files(FailingFileOperations::Step::Replace);
        Click("MakeMask");
    }
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors[0].startsWith(QStringLiteral("Cannot create file %1\n").arg(m_dir.File("menu.msk"))))
        << "and the reason: " << m_errors[0].toStdString();
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
    EXPECT_EQ(Status(), QStringLiteral("Saving..."));
    EXPECT_EQ(Form().Maker().Shown(), Bar()) << "no preview";
    EXPECT_TRUE(Form().Maker().PlasmaRegion().HasRegion()) << "the region stays";
}

TEST_F(MaskFormTest, AReadOnlyMaskIsReplacedOnlyWhenTheUserSaysSo)
{
    m_dir.Write("menu.msk", "old mask");
    QFile::setPermissions(m_dir.File("menu.msk"), QFileDevice::ReadOwner);
    Form().UsePicture(Bar());
    Click("MakeMask");
    EXPECT_EQ(m_questions, QStringList{"Confirm: " + m_dir.File("menu.msk") + " is read-only. Replace it anyway?"});
    EXPECT_EQ(Status(), QStringLiteral("Done. (not saved)"));
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
    m_answer = QMessageBox::Yes;
    Click("MakeMask");
    EXPECT_EQ(m_dir.Read("menu.msk"), Region::FromRect(1, 2, 4, 4).Data());
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(MaskFormTest, AProjectNamedMskIsNotOverwritten)
{
    m_dir.Write("menu.msk", "[MAIN]\r\nProgram=Mask\r\n");
    TheEditor().SetIniFileName(m_dir.File("menu.msk"));
    Form().UsePicture(Bar());
    Click("MakeMask");
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors.first().contains("itself ends in \".msk\""));
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("[MAIN]\r\nProgram=Mask\r\n"));
}

TEST_F(MaskFormTest, SelectMaskFileLoadsAPictureAndCancelChangesNothing)
{
    Form().UsePicture(Bar());
    Click("MakeMask");
    ASSERT_EQ(Status(), QStringLiteral("Done. (saved)"));
    const QImage noise = NoisePicture(9, 7, 11);
    noise.save(m_dir.File("source.BMP"), "BMP");
    m_pickedFile = m_dir.File("source.BMP");
    Click("SelectFile");
    EXPECT_EQ(Status(), QString()) << "the saved mask was not made from this picture";
    const OpenFileRequest& request = Shared().OpenFile();
    EXPECT_EQ(request.Title, QStringLiteral("Mask file (ONLY FOR CREATING MASK)"));
    EXPECT_TRUE(request.Filter.startsWith(QStringLiteral("Pictures (BMP, JPG, JPEG)|*.bmp;*.jpg;*.jpeg|")));
    EXPECT_EQ(request.InitialDir, m_dir.Path());
    EXPECT_EQ(Form().Maker().Shown(), noise);
    EXPECT_EQ(Form().Maker().Hidden(), noise);

    m_pickedFile.reset();
    Click("SelectFile");
    m_pickedFile = m_dir.File("missing.bmp");
    Click("SelectFile");
    m_dir.Write("broken.jpg", "not a jpeg");
    m_pickedFile = m_dir.File("broken.jpg");
    Click("SelectFile");
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(Form().Maker().Shown(), noise);
    EXPECT_EQ(Form().Maker().Hidden(), noise);
}

// The scan reads a PNG itself: declining its conversion still makes it the source.
TEST_F(MaskFormTest, APngSourceIsOfferedForConversionAndReadEitherWay)
{
    QImage logo(8, 6, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = 2; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x)
            logo.setPixel(x, y, Black);
    ASSERT_TRUE(logo.save(m_dir.File("logo.png")));
    m_pickedFile = m_dir.File("logo.png");
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, ConvertToBmp}) {
        Form().UsePicture(QImage());
        m_answer = answer;
        Click("SelectFile");
        EXPECT_EQ(Form().Maker().Hidden(), Bar()) << "transparent parts over white";
        EXPECT_EQ(m_dir.Exists("logo.bmp"), answer == ConvertToBmp);
    }
    EXPECT_EQ(m_questions.value(0),
              QStringLiteral("Convert picture: launcher.exe shows BMP and JPEG only: convert logo.png to logo.jpg / logo.bmp?"));
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join('\n').toStdString();
}

TEST_F(MaskFormTest, APictureChosenWhileOpenIsShownWhole)
{
    NoisePicture(300, 200, 3).save(m_dir.File("wide.bmp"), "BMP");
    m_pickedFile = m_dir.File("wide.bmp");
    QSize shown;
    Mask(QMessageBox::No, [&] {
        Click("SelectFile");
        shown = Child<QScrollArea>("PictureScroll")->viewport()->size();
    });
    EXPECT_GE(shown.width(), 300);
    EXPECT_GE(shown.height(), 200);
}

TEST_F(MaskFormTest, AMaskOfAnotherSizeThanTheMenuIsWarnedOf)
{
    TheEditor().Project().Main.SizeX = 8;
    TheEditor().Project().Main.SizeY = 6;
    Form().UsePicture(Bar());
    Click("MakeMask");
    EXPECT_FALSE(Log().contains(QStringLiteral("! The mask"))) << Log().toStdString();
    NoisePicture(9, 7, 11).save(m_dir.File("source.bmp"), "BMP");
    m_pickedFile = m_dir.File("source.bmp");
    Click("SelectFile");
    Click("MakeMask");
    EXPECT_TRUE(Log().endsWith(QStringLiteral("! The mask was made from a 9 x 7 picture but the menu is 8 x 6: "
                                              "the player's window would be empty or cut")))
        << Log().toStdString();
    EXPECT_TRUE(m_session.Status().isVisible());
}

TEST_F(MaskFormTest, ProgressIsPaintedRowByRow)
{
    Form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    {
        PaintedTexts painted(Child<QLabel>("Status"));
        Form().UsePicture(Bar().copy(0, 0, 8, 3));
        Click("MakeMask");
        EXPECT_EQ(painted.Progress(), (QStringList{"0 % done", "50 % done", "100 % done"}));
    }
    PaintedTexts painted(Child<QLabel>("Status"));
    Form().UsePicture(Bar().copy(0, 2, 8, 1));
    Click("MakeMask");
    EXPECT_EQ(painted.Progress(), QStringList{"100 % done"}) << "one row high";
    EXPECT_EQ(Status(), QStringLiteral("Done. (saved)"));
    EXPECT_EQ(m_dir.Read("menu.msk"), Region::FromRect(1, 0, 4, 1).Data());
}

TEST_F(MaskFormTest, ToleranceFromTheSpinEdit)
{
    QImage picture = FilledPicture(3, 1, White);
    picture.setPixel(1, 0, 0xFFF0F0F0); // 15 below white in each channel
    Form().UsePicture(picture);
    Click("Autosave");
    Click("MakeMask");
    EXPECT_TRUE(Form().Maker().PlasmaRegion().HasRegion()) << "tolerance 10 keeps it opaque";
    Child<TSuperSpinEditI>("Tolerance")->SetValue(15);
    Click("MakeMask");
    EXPECT_FALSE(Form().Maker().PlasmaRegion().HasRegion());
}

// Past 100 every colour would count as the mask colour and the window vanish.
TEST_F(MaskFormTest, ATypedToleranceBeyondOneHundredBuildsWithOneHundred)
{
    QImage picture = FilledPicture(3, 1, White);
    picture.setPixel(1, 0, 0xFF878787); // 120 below white in each channel
    Form().UsePicture(picture);
    auto* tolerance = Child<TSuperSpinEditI>("Tolerance");
    QTest::mouseClick(tolerance, Qt::LeftButton);
    QTest::keyClick(tolerance, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(tolerance, QStringLiteral("150"));
    Click("MakeMask");
    EXPECT_EQ(Form().Maker().PlasmaRegion().Current().Data(), Region::FromRect(1, 0, 2, 1).Data());
}

} // namespace
