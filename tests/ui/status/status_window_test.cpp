#include "ui/status/status_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

QStringList LogLines(const StatusWindow& window)
{
    return window.findChild<QPlainTextEdit*>("Log")->toPlainText().split(u'\n');
}

} // namespace

TEST(StatusWindowTest, CaptionSizeAndPlacement)
{
    StatusWindow window;
    EXPECT_EQ(window.windowTitle(), "-= Vyx editor=- status window");
    EXPECT_EQ(window.size(), QSize(401, 151));
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), StatusWindow::CentredPosition(screen, window.size()));
    EXPECT_FALSE(window.IsShown());
    EXPECT_FALSE(window.WarningsShown());
}

TEST(StatusWindowTest, TheStatusLabelFitsBesideItsCaption)
{
    StatusWindow window;
    const QRect caption = window.findChild<QLabel*>("Label1")->geometry();
    const QRect status = window.findChild<QLabel*>("StatusLabel")->geometry();
    EXPECT_GT(status.left(), caption.right()) << "beside the caption, not over it";
    EXPECT_LE(status.right(), window.findChild<QPlainTextEdit*>("Log")->geometry().right() + 2)
        << "the right end stays inside the window";
    EXPECT_EQ(status.height(), 16);
}

TEST(StatusWindowTest, CentringTruncatesBothHalves)
{
    EXPECT_EQ(StatusWindow::CentredPosition(QRect(0, 0, 1025, 769), QSize(401, 151)), QPoint(312, 309));
    EXPECT_EQ(StatusWindow::CentredPosition(QRect(0, 0, 800, 600), QSize(401, 151)), QPoint(200, 225));
    // A screen smaller than the window gives a corner off the screen's top left.
    EXPECT_EQ(StatusWindow::CentredPosition(QRect(0, 0, 301, 101), QSize(401, 151)), QPoint(-50, -25));
}

TEST(StatusWindowTest, LinesAndWarningsKeepTheirOrder)
{
    StatusWindow window;
    window.AddLine("Loading launcher.ini");
    window.AddWarning("Over picture not found");
    EXPECT_TRUE(window.WarningsShown());
    window.AddLine("Done");
    EXPECT_EQ(LogLines(window), QStringList({"Loading launcher.ini", "! Over picture not found", "Done"}));

    window.SetStatus("Saving...");
    EXPECT_EQ(window.findChild<QLabel*>("StatusLabel")->text(), "Saving...");

    // Clearing the log leaves the warning flag for the window's closing to reset.
    window.ClearLog();
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Log")->document()->isEmpty(), true);
    EXPECT_TRUE(window.WarningsShown());
}

TEST(StatusWindowTest, HidingKeepsTheWarningFlagAndClosingClearsIt)
{
    StatusWindow window;
    window.AddWarning("missing");
    window.ShowStatus();
    EXPECT_TRUE(window.IsShown());
    window.HideStatus();
    EXPECT_FALSE(window.IsShown());
    EXPECT_TRUE(window.WarningsShown());

    window.ShowStatus();
    QTest::mouseClick(window.findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(window.IsShown());
    EXPECT_FALSE(window.WarningsShown());

    window.AddWarning("again");
    window.ShowStatus();
    window.close();  // the window's close box
    EXPECT_FALSE(window.IsShown());
    EXPECT_FALSE(window.WarningsShown());

    window.AddWarning("and again");
    window.CloseStatus();
    EXPECT_FALSE(window.IsShown());
    EXPECT_FALSE(window.WarningsShown());
}

TEST(StatusWindowTest, LongLinesStayUnwrappedWithOnlyAVerticalScrollBar)
{
    StatusWindow window;
    window.ShowStatus();
    auto* log = window.findChild<QPlainTextEdit*>("Log");
    const QString longLine = QString(300, u'x');
    window.AddLine(longLine);
    for (int i = 0; i < 30; ++i)
        window.AddLine(QString::number(i));

    const QTextBlock first = log->document()->firstBlock();
    EXPECT_EQ(first.text(), longLine);
    EXPECT_EQ(first.layout()->lineCount(), 1);
    EXPECT_FALSE(log->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(log->verticalScrollBar()->isVisible());
    EXPECT_GT(log->verticalScrollBar()->maximum(), 0);
}
