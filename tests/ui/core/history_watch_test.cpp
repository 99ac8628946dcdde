// The test helper itself: a window that changes the project and forgets to end
// its gesture fails the test that clicks it.
#include "ui/support_session.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

QPushButton* g_button = nullptr;

class HistoryWatchTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Watched\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        m_button.show();
        g_button = &m_button;
    }
    void TearDown() override { g_button = nullptr; }
    QPushButton m_button{QStringLiteral("A window added later")};
};

TEST_F(HistoryWatchTest, AChangeWithoutAGestureEndFailsTheUserAction)
{
    QObject::connect(&m_button, &QPushButton::clicked, [this] { TheEditor().Project().Main.Title = "Forgotten"; });
    EXPECT_NONFATAL_FAILURE(QTest::mouseClick(g_button, Qt::LeftButton), "a change escaped the undo history (Program Parameters)");
}

TEST_F(HistoryWatchTest, AChangeWhoseGestureEndsPassesAndAChangeByTheTestIsNoEscape)
{
    TheEditor().Project().Main.Company = "Set by the test";
    QObject::connect(&m_button, &QPushButton::clicked, [this] {
        TheEditor().Project().Main.Title = "Recorded";
        TheEditor().EndGesture();
    });
    QTest::mouseClick(&m_button, Qt::LeftButton);
    HistoryWatch::ExpectRecorded(TheEditor());
    QObject::disconnect(&m_button, nullptr, nullptr, nullptr);
    TheEditor().Project().Main.Company = "Again by the test";
    QTest::mouseClick(&m_button, Qt::LeftButton); // changes nothing itself
}

} // namespace
