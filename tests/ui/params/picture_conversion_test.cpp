#include "ui/params/params_dialog_fixture.h"

#include "model/mask_file.h"
#include "model/mask_maker.h"
#include "platform/picture_converter.h"
#include "support/test_pictures.h"
#include "ui/core/picture_conversion_offer.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

namespace {

// A drawing with transparent parts: a ground of alpha 0 and 127 (transparent
// to the mask), a block of alpha 128 and 255 (opaque).
QImage TransparentLogo()
{
    QImage logo(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const bool inBlock = x >= 8 && x < 30 && y >= 5 && y < 22;
            const int alpha = inBlock ? (x % 3 == 0 ? 128 : 255) : (y % 2 == 0 ? 0 : 127);
            logo.setPixel(x, y, qRgba(200, 40, 40, alpha));
        }
    return logo;
}

} // namespace

class PictureConversionTest : public ParamsDialogFixture {
protected:
    void SetUp() override
    {
        Start();
        Shared().SetQuestionAnswerer([this](const QString& text, const QString&, QMessageBox::StandardButtons) {
            m_asked << text;
            if (m_answers.empty())
                return QMessageBox::Cancel;
            const QMessageBox::StandardButton answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    QString Save(const QString& name, const QImage& picture)
    {
        EXPECT_TRUE(picture.save(m_dir.File(name))) << name.toStdString();
        return m_dir.File(name);
    }
    // Picks `file` with the main background's "..", the questions answered in turn.
    void PickBackground(const QString& file, std::deque<QMessageBox::StandardButton> answers)
    {
        m_asked.clear();
        m_answers = std::move(answers);
        Answer(file);
        Click("PickBackground");
    }

    std::deque<QMessageBox::StandardButton> m_answers;
    QStringList m_asked;
};

// The real question box: its text, the two files with their sizes on its
// buttons, the proposal as its default; the choice is then used as if picked.
TEST_F(PictureConversionTest, APngIsOfferedAsJpegOrBmpWithTheirSizesAndTheChoiceIsPicked)
{
    Shared().SetQuestionAnswerer({});
    const QImage photo = NoisePicture(64, 48, 5);
    Answer(Save("photo.png", photo));
    Open(1);
    QString text;
    QStringList buttons;
    QString proposed;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        proposed = box->defaultButton()->text();
        QTest::mouseClick(box->button(ConvertToBmp), Qt::LeftButton);
    });
    poll.start(10);
    Click("PickBackground");
    EXPECT_EQ(text, "launcher.exe shows BMP and JPEG only: convert photo.png to photo.jpg / photo.bmp?");
    const QString bmpSize =
        QLocale::c().formattedDataSize(QFileInfo(m_dir.File("photo.bmp")).size(), 1, QLocale::DataSizeTraditionalFormat);
    EXPECT_TRUE(buttons.contains("photo.bmp (BMP, " + bmpSize + ")")) << buttons.join(" | ").toStdString();
    EXPECT_TRUE(proposed.startsWith("photo.jpg (JPEG 90, ")) << "a photo is proposed as JPEG: " << proposed.toStdString();
    EXPECT_FALSE(m_dir.Exists("photo.jpg")) << "only the chosen file is written";
    EXPECT_EQ(Child("BackgroundEdit")->text(), "photo.bmp");
    EXPECT_EQ(TheEditor().Project().NormalPicture, photo) << "BMP keeps every pixel";
    EXPECT_EQ(Child("SizeXEdit")->text(), "64");
    Click("OkButton");
    EXPECT_EQ(Main().BackgroundFile, "photo.bmp");
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
}

// Declining leaves the field; a different file under the name is replaced
// only on Yes; the same bytes there are simply used.
TEST_F(PictureConversionTest, DecliningOrKeepingAnotherFileChangesNothing)
{
    const QImage drawing = BlockPicture(QSize(50, 40), 0xFFFFFFFF, QRect(5, 5, 20, 10), 0xFF0000C0);
    const QString bmp = m_dir.Write("pics/drawing.bmp", "someone else's");
    const QString png = Save("pics/drawing.png", drawing);
    const QImage before = TheEditor().Project().OverPicture;
    Open(1);
    Child("BackOverEdit")->setText("old.bmp");
    const struct {
        std::deque<QMessageBox::StandardButton> Answers;
        int Questions;
    } declined[] = {{{QMessageBox::Cancel}, 1}, {{ConvertToBmp, QMessageBox::No}, 2}};
    for (const auto& c : declined) {
        m_asked.clear();
        m_answers = c.Answers;
        Answer(png);
        Click("PickBackOver");
        EXPECT_EQ(m_asked.size(), c.Questions);
        EXPECT_EQ(Child("BackOverEdit")->text(), "old.bmp");
        EXPECT_EQ(TheEditor().Project().OverPicture, before);
        EXPECT_EQ(m_dir.Read("pics/drawing.bmp"), "someone else's");
        EXPECT_FALSE(m_dir.Exists("pics/drawing.jpg"));
    }
    EXPECT_EQ(m_asked.value(1), "drawing.bmp exists and holds another picture. Replace it?");

    m_asked.clear();
    m_answers = {ConvertToBmp, QMessageBox::Yes};
    Click("PickBackOver");
    EXPECT_EQ(Child("BackOverEdit")->text(), "pics\\drawing.bmp");
    EXPECT_EQ(TheEditor().Project().OverPicture, drawing);
    EXPECT_EQ(PictureConverter::ReadOpaque(bmp), drawing);

    m_asked.clear();
    m_answers = {ConvertToBmp};
    Click("PickBackOver");
    EXPECT_EQ(m_asked.size(), 1) << "the same picture is there: nothing to replace";
    EXPECT_EQ(Child("BackOverEdit")->text(), "pics\\drawing.bmp");
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
}

// The mask from the alpha channel is the file the mask maker writes for the
// same opaque pixels; the custom shape it replaces and the picture are one step.
TEST_F(PictureConversionTest, ATransparentBackgroundOffersTheMaskTheColourRuleWouldMake)
{
    Main().UseCustomShape = true;
    TheEditor().EndGesture();
    const QImage logo = TransparentLogo();
    Open(1);
    PickBackground(Save("logo.png", logo), {ConvertToBmp, QMessageBox::Yes});
    ASSERT_EQ(m_asked.size(), 2);
    EXPECT_TRUE(m_asked[1].startsWith("logo.png has transparent parts: make the window's mask launcher.msk"))
        << m_asked[1].toStdString();

    QImage keyed = FilledPicture(logo.width(), logo.height(), 0xFFFFFFFF);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            if (qAlpha(logo.pixel(x, y)) >= 128)
                keyed.setPixel(x, y, 0xFF000000);
    MaskMaker maker;
    maker.UsePicture(keyed);
    maker.BuildRegion(0);
    ASSERT_TRUE(SaveMaskFile(maker.PlasmaRegion(), m_dir.File("colour.ini")));
    EXPECT_EQ(m_dir.Read("launcher.msk"), m_dir.Read("colour.msk"));
    EXPECT_FALSE(Main().UseCustomShape);
    EXPECT_FALSE(NamedChild<QAbstractButton>(m_session.Main(), "UseShape")->isChecked());

    Click("OkButton");
    EXPECT_EQ(TheEditor().UndoText(), "Undo Program Parameters");
    TheEditor().Undo();
    EXPECT_TRUE(Main().UseCustomShape);
    EXPECT_NE(TheEditor().Project().NormalPicture.size(), logo.size());
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
}
