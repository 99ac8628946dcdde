#include "model/preview_outline.h"
#include "platform/region.h"
#include "support/recording_sound_player.h"
#include "support/test_pictures.h"
#include "ui/main/main_window.h"
#include "ui/preview/effect_sound_player.h"
#include "ui/preview/preview_menu.h"
#include "ui/preview/preview_window.h"
#include "ui/support_session.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Normal = 0xFF000080;
constexpr QRgb Over = 0xFFFFFF00;
constexpr QRgb Click = 0xFFFF0000;

// The preview of a 200 x 120 menu with two buttons, driven by real mouse and key events.
class PreviewWindowTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("readme.txt", "Read me first");
        m_dir.Write("default.txt", "Pick a button");
        Start("[MAIN]\r\nProgram=Demo\r\nSizeX=200\r\nSizeY=120\r\nHandCursor=1\r\n"
              "[Button#0]\r\nName=Setup\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\nWidth=60\r\nHeight=30\r\n"
              "Params=setup.exe\r\nShellRunAction=Open\r\nShellRunParams=/S\r\nLoadInfo=readme.txt\r\n"
              "[Button#1]\r\nName=Manual\r\nAction=RUN\r\nLeft=10\r\ntop=60\r\nWidth=60\r\nHeight=30\r\n"
              "Params=manual.pdf\r\nShellRunAction=Open\r\n"
              "[TextInfo]\r\nLeft=100\r\ntop=10\r\nWidth=90\r\nHeight=60\r\nDefaultFile=default.txt\r\n");
    }
    void Start(const QByteArray& ini)
    {
        m_dir.Write("launcher.ini", ini);
        m_session.Start(m_dir.File("launcher.ini"));
        UsePictures();
    }
    void Reload(const QByteArray& ini)
    {
        m_dir.Write("launcher.ini", ini);
        TheEditor().OpenProject();
        UsePictures();
    }
    void UsePictures()
    {
        MenuProject& p = TheEditor().Project();
        p.NormalPicture = FilledPicture(200, 120, Normal);
        p.OverPicture = FilledPicture(200, 120, Over);
        p.ClickPicture = FilledPicture(200, 120, Click);
    }
    PreviewWindow& Window() { return m_session.Preview(); }
    PreviewMenu* Menu() { return Window().findChild<PreviewMenu*>(QStringLiteral("PreviewMenu")); }
    QString Line() { return NamedChild<QLabel>(Window(), "ActionLine")->text(); }
    QString HelpText() { return NamedChild<QTextEdit>(*Menu(), "TextArea")->toPlainText(); }
    void Show()
    {
        TheEditor().PreviewCommand();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }
    QRgb Pixel(QPoint at) { return Menu()->grab().toImage().pixel(at); }
    QRegion MenuPart() { return Window().mask() & QRegion(0, 0, 200, 120); }
};

TEST_F(PreviewWindowTest, ThePreviewButtonShowsTheMenuAtItsRealSize)
{
    QPushButton* button = NamedChild<QPushButton>(m_session.Main(), "PreviewButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Preview"));
    button->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    EXPECT_EQ(Menu()->size(), QSize(200, 120));
    EXPECT_EQ(Window().size(), QSize(200, 120 + PreviewWindow::LineHeight));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Demo - Preview"));
    EXPECT_FALSE(Window().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Pixel({150, 100}), Normal);
    EXPECT_EQ(Line(), QStringLiteral("Outline: rectangle. Esc closes."));
    EXPECT_EQ(HelpText(), QStringLiteral("Pick a button"));
}

TEST_F(PreviewWindowTest, OverAndClickPicturesFollowTheMouse)
{
    Show();
    QTest::mouseMove(Menu(), {20, 20});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Menu()->LitButton() == 0; }));
    EXPECT_EQ(Pixel({20, 20}), Over);
    EXPECT_EQ(Pixel({20, 70}), Normal) << "the other button stays normal";
    EXPECT_EQ(Menu()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(HelpText(), QStringLiteral("Read me first"));

    QTest::mousePress(Menu(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(Pixel({20, 20}), Click);
    EXPECT_EQ(Pixel({80, 20}), Normal) << "only the button's area changes";
    QTest::mouseRelease(Menu(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(Pixel({20, 20}), Over);
    EXPECT_EQ(Line(), QStringLiteral("RUN setup.exe /S"));

    QTest::mouseMove(Menu(), {150, 110});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Menu()->LitButton() == -1; }));
    EXPECT_EQ(Pixel({20, 20}), Normal);
    EXPECT_EQ(Menu()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(HelpText(), QStringLiteral("Pick a button"));
}

TEST_F(PreviewWindowTest, AClickTellsWhatTheButtonWouldDo)
{
    Show();
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {30, 70});
    EXPECT_EQ(Line(), QStringLiteral("Open manual.pdf"));
    // Pressed on one button and released on another: no click.
    QTest::mousePress(Menu(), Qt::LeftButton, {}, {30, 20});
    QTest::mouseRelease(Menu(), Qt::LeftButton, {}, {30, 70});
    EXPECT_EQ(Line(), QStringLiteral("Open manual.pdf"));
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {30, 20});
    EXPECT_EQ(Line(), QStringLiteral("RUN setup.exe /S"));
    EXPECT_TRUE(Window().isVisible()) << "nothing runs, nothing closes";
}

TEST_F(PreviewWindowTest, EscCloses)
{
    Show();
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(PreviewWindowTest, EscWaitsForTheClosingAnimation)
{
    TheEditor().Project().Main.ScrollEnd = 2;
    TheEditor().Project().Main.ScrollEndSpeed = 5;
    Show();
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_TRUE(Window().isVisible()) << "the menu is still being covered";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().isVisible(); }, 3000));
}

TEST_F(PreviewWindowTest, TheOpeningAnimationUncoversTheMenuFromItsEdge)
{
    TheEditor().Project().Main.ScrollStart = 3; // Left
    TheEditor().Project().Main.ScrollStartSpeed = 1;
    Show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !MenuPart().isEmpty(); }, 3000));
    const QRect part = MenuPart().boundingRect();
    EXPECT_EQ(part.left(), 0);
    EXPECT_LT(part.width(), 200) << "still growing from the left";
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window().mask() == Window().FullMask(); }, 3000));
}

TEST_F(PreviewWindowTest, TheMaskFileCutsTheWindow)
{
    const Region region = Region::FromRect(0, 0, 120, 100).United(Region::FromRect(150, 20, 200, 40));
    m_dir.Write("launcher.msk", region.Data());
    Show();
    EXPECT_EQ(Window().Outline().Source(), PreviewOutline::Kind::MaskFile);
    EXPECT_EQ(MenuPart(), ToQRegion(region));
    EXPECT_EQ(Window().mask(), ToQRegion(region) + QRegion(0, 120, 200, PreviewWindow::LineHeight))
        << "the action line stays visible";
    EXPECT_EQ(Line(), QStringLiteral("Outline: mask file. Esc closes."));
}

TEST_F(PreviewWindowTest, TheTickedShapeCutsTheWindowWithoutBorder)
{
    m_dir.Write("launcher.msk", Region::FromRect(0, 0, 10, 10).Data());
    Reload("[MAIN]\r\nSizeX=200\r\nSizeY=120\r\nCustomShape=1\r\nHideBorder=1\r\n"
          "[CustomPoints]\r\nx0=0\r\ny0=0\r\nx1=199\r\ny1=0\r\nx2=0\r\ny2=119\r\nx3=-999\r\n");
    ASSERT_EQ(TheEditor().Project().Shape.PointCount, 3);
    Show();
    EXPECT_TRUE(Window().windowFlags() & Qt::FramelessWindowHint);
    const QPolygon triangle({QPoint(0, 0), QPoint(199, 0), QPoint(0, 119)});
    EXPECT_EQ(MenuPart(), PolygonRegion(triangle));
    EXPECT_TRUE(Window().mask().contains(QPoint(10, 10)));
    EXPECT_FALSE(Window().mask().contains(QPoint(190, 110)));
}

TEST_F(PreviewWindowTest, ABrokenMaskFileIsSaidInTheLine)
{
    m_dir.Write("launcher.msk", "broken");
    Show();
    EXPECT_TRUE(Line().startsWith(QStringLiteral("Mask file not used: "))) << Line().toStdString();
    EXPECT_EQ(MenuPart(), QRegion(0, 0, 200, 120));
}

// The same menu with sounds: common ones in the INI file's folder, found whatever
// the letter case, and one of the second button's own.
class PreviewSoundsTest : public PreviewWindowTest {
protected:
    void SetUp() override
    {
        PreviewWindowTest::SetUp();
        m_dir.Write("Sounds/Start.WAV", "RIFF");
        m_dir.Write("over.wav", "RIFF");
        m_dir.Write("click.wav", "RIFF");
        m_dir.Write("manual.wav", "RIFF");
        MainParams& main = TheEditor().Project().Main;
        main.OnLoadSound = "sounds\\start.wav";
        main.SoundOver = "over.wav";
        main.SoundClick = "CLICK.wav";
        TheEditor().Project().Buttons[1].SoundOver = "Manual.wav";
        Window().Sound().UsePlayer(std::make_unique<RecordingSoundPlayer>(m_heard, m_dir.Path()));
    }
    QStringList Heard()
    {
        const QStringList heard = m_heard;
        m_heard.clear();
        return heard;
    }
    void MoveTo(QPoint at, int lit)
    {
        QTest::mouseMove(Menu(), at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Menu()->LitButton() == lit; }));
    }

    QStringList m_heard;
};

TEST_F(PreviewSoundsTest, OpeningEnteringAndClickingPlayTheirSounds)
{
    Show();
    EXPECT_EQ(Heard(), (QStringList{"stop", "Sounds/Start.WAV"}));
    // A move to where the pointer already is makes no event: start from a corner.
    MoveTo({3, 3}, -1);
    MoveTo({20, 20}, 0);
    EXPECT_EQ(Heard(), QStringList{"over.wav"});
    MoveTo({25, 30}, 0);
    EXPECT_TRUE(Heard().isEmpty()) << "moving within a button is no new entering";
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {25, 30});
    EXPECT_EQ(Heard(), QStringList{"click.wav"});
    QTest::mousePress(Menu(), Qt::LeftButton, {}, {25, 30});
    QTest::mouseRelease(Menu(), Qt::LeftButton, {}, {150, 110});
    EXPECT_TRUE(Heard().isEmpty()) << "released off the button: no click";
    MoveTo({30, 70}, 1);
    EXPECT_EQ(Heard(), QStringList{"manual.wav"});
    MoveTo({150, 110}, -1);
    MoveTo({30, 20}, 0);
    EXPECT_EQ(Heard(), QStringList{"over.wav"});
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_EQ(Heard(), QStringList{"stop"}) << "closing ends the sounds";
    EXPECT_EQ(Line(), QStringLiteral("RUN setup.exe /S"));
}

TEST_F(PreviewSoundsTest, AMissingSoundIsToldOnceInTheLine)
{
    QFile::remove(m_dir.File("Sounds/Start.WAV"));
    QFile::remove(m_dir.File("click.wav"));
    Show();
    EXPECT_EQ(Line(), QStringLiteral("Outline: rectangle. Esc closes. | Sound not found: sounds\\start.wav"));
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {30, 20});
    EXPECT_EQ(Line(), QStringLiteral("RUN setup.exe /S | Sound not found: CLICK.wav"));
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {30, 70});
    EXPECT_EQ(Line(), QStringLiteral("Open manual.pdf")) << "told once per opening";
    EXPECT_EQ(Heard(), (QStringList{"stop", "over.wav", "manual.wav"}));
    EXPECT_TRUE(m_errors.isEmpty()) << "no error box";
}

// The real player on a machine that may have no sound output at all: the
// preview goes on, and says at most once why it is silent.
TEST_F(PreviewWindowTest, TheRealPlayerNeverStopsThePreview)
{
    const QString sounds = QStringLiteral(VYX_DEMO_DIR "/sounds/");
    MainParams& main = TheEditor().Project().Main;
    main.OnLoadSound = (sounds + "bye.wav").toLocal8Bit();
    main.SoundOver = (sounds + "over.wav").toLocal8Bit();
    main.SoundClick = m_dir.Write("damaged.wav", "RIFF and then no WAVE at all").toLocal8Bit();
    Show();
    const bool silent = !EffectSoundPlayer::HasOutput();
    if (silent)
        EXPECT_EQ(Line(), QStringLiteral("Outline: rectangle. Esc closes. | No sound device: sounds are not played"));
    QTest::mouseMove(Menu(), {20, 20});
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {20, 20});
    QTest::mouseClick(Menu(), Qt::LeftButton, {}, {20, 20});
    if (silent) {
        EXPECT_EQ(Line(), QStringLiteral("RUN setup.exe /S")) << "said once";
    } else {
        const QString damaged = QStringLiteral("RUN setup.exe /S | Sound cannot be played: damaged.wav");
        EXPECT_TRUE(QTest::qWaitFor([&] { return Line() == damaged; }, 3000)) << Line().toStdString();
    }
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(m_errors.isEmpty());
}

} // namespace
