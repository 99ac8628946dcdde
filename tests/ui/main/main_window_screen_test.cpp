#include "ui/main/main_window.h"
#include "ui/widgets/text_area.h"
#include "ui/support_session.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowScreenTest : public ::testing::Test, public SessionFixture {
protected:
    void Start(const QByteArray& ini, QScreen* screen = QGuiApplication::primaryScreen())
    {
        m_dir.Write("launcher.ini", ini);
        Window().setScreen(screen);
        m_session.Start(m_dir.File("launcher.ini"));
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }
    MainWindow& Window() { return m_session.Main(); }
    QScrollArea* Scroll() { return Window().findChild<QScrollArea*>(QStringLiteral("CanvasScroll")); }
    QWidget* Canvas() { return Window().findChild<QWidget*>(QStringLiteral("Image")); }
    static QScreen* SmallScreen()
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->size() == QSize(800, 600))
                return screen;
        return nullptr;
    }
};

TEST_F(MainWindowScreenTest, AMenuThatFitsIsShownWhole)
{
    Start("[MAIN]\r\nSizeX=1024\r\nSizeY=768\r\n");
    EXPECT_EQ(Window().size(), QSize(1024, 850 + Window().MenuBarHeight()));
    EXPECT_EQ(Canvas()->size(), QSize(1024, 768));
    EXPECT_EQ(Scroll()->viewport()->size(), QSize(1024, 768));
    const QRect screen = Window().screen()->geometry();
    EXPECT_EQ(Window().frameGeometry().topLeft(),
              MainWindow::CentredPosition(screen.size(), Window().frameGeometry().size()));
}

TEST_F(MainWindowScreenTest, AMenuLargerThanTheScreenScrollsInsideIt)
{
    QScreen* small = SmallScreen();
    ASSERT_NE(small, nullptr) << "the tests' offscreen configuration has a small screen";
    Start("[MAIN]\r\nSizeX=1024\r\nSizeY=768\r\n[Button#0]\r\nName=Far\r\nAction=RUN\r\nLeft=900\r\ntop=700\r\n"
          "Width=40\r\nHeight=20\r\n",
          small);
    EXPECT_TRUE(small->availableGeometry().contains(Window().frameGeometry()));
    EXPECT_EQ(Canvas()->size(), QSize(1024, 768)) << "the canvas keeps its real size";
    EXPECT_EQ(TheEditor().Canvas().Image().size(), QSize(1024, 768));
    QScrollBar* down = Scroll()->verticalScrollBar();
    QScrollBar* across = Scroll()->horizontalScrollBar();
    ASSERT_TRUE(down->isVisible());
    ASSERT_TRUE(across->isVisible());
    down->setValue(down->maximum());
    across->setValue(across->maximum());
    // The far corner of the menu comes into view, and the strip stays at the bottom.
    const QPoint corner = Canvas()->mapTo(&Window(), QPoint(1023, 767));
    EXPECT_TRUE(Scroll()->geometry().contains(corner));
    auto* list = Window().findChild<QPushButton*>(QStringLiteral("ListButton"));
    EXPECT_TRUE(Window().rect().contains(list->mapTo(&Window(), list->rect().bottomRight())));
}

TEST_F(MainWindowScreenTest, FittingLeavesRoomForTheScrollBars)
{
    EXPECT_EQ(MainWindow::FittedClientSize(QSize(700, 500), QSize(800, 600), 15), QSize(700, 500));
    EXPECT_EQ(MainWindow::FittedClientSize(QSize(700, 900), QSize(800, 600), 15), QSize(715, 600));
    EXPECT_EQ(MainWindow::FittedClientSize(QSize(1000, 500), QSize(800, 600), 15), QSize(800, 515));
    EXPECT_EQ(MainWindow::FittedClientSize(QSize(1000, 900), QSize(800, 600), 15), QSize(800, 600));
    EXPECT_EQ(MainWindow::FittedClientSize(QSize(634, 500), QSize(500, 50), 15), QSize(634, 82))
        << "never narrower than the strip";
    // Centred on the screen, then pulled into its available area.
    EXPECT_EQ(MainWindow::PlacedPosition(QRect(0, 0, 800, 600), QRect(0, 0, 800, 560), QSize(400, 560)),
              QPoint(200, 0));
    EXPECT_EQ(MainWindow::PlacedPosition(QRect(1920, 0, 800, 600), QRect(1920, 0, 800, 600), QSize(400, 300)),
              QPoint(2120, 150));
}

TEST_F(MainWindowScreenTest, ALowTextAreaStaysUnderTheStrip)
{
    Start("[MAIN]\r\nSizeX=640\r\nSizeY=300\r\n"
          "[TextInfo]\r\nLeft=500\r\ntop=280\r\nWidth=140\r\nHeight=200\r\n");
    auto* area = Window().findChild<TextArea*>();
    ASSERT_TRUE(area->isVisible());
    EXPECT_EQ(area->geometry(), QRect(500, 280, 140, 200)) << "its own geometry stays as the project says";
    for (const char* name : {"ListButton", "CloseButton", "StatusButton"}) {
        auto* button = Window().findChild<QPushButton*>(QLatin1String(name));
        const QPoint centre = button->mapTo(&Window(), button->rect().center());
        EXPECT_EQ(Window().childAt(centre), button) << name << ": a click there reaches the button";
    }
    const QPoint inArea = area->mapTo(&Window(), QPoint(5, 5));
    EXPECT_TRUE(area->isAncestorOf(Window().childAt(inArea)) || Window().childAt(inArea) == area);
}

} // namespace
