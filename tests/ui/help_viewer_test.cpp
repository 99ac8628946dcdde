#include "ui/button_editor/button_editor.h"
#include "ui/help/help_viewer.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class HelpViewerTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Help\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        m_session.Main().show();
    }
    QString Shown() { return m_session.Help().findChild<QTextBrowser*>("HelpText")->toPlainText(); }
};

TEST_F(HelpViewerTest, TheHelpButtonOpensTheMainWindowsTopic)
{
    QTest::mouseClick(m_session.Main().findChild<QPushButton*>("HelpButton"), Qt::LeftButton);
    EXPECT_TRUE(m_session.Help().isVisible());
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_MainForm_"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The main window")));
}

TEST_F(HelpViewerTest, F1OpensTheTopicOfTheFocusedControl)
{
    m_session.Buttons().ShowEditor();
    QApplication::setActiveWindow(&m_session.Buttons());
    auto* name = m_session.Buttons().findChild<QLineEdit*>("Edit1");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F1);
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_ButtonEditor#button"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("The button editor")));
}

} // namespace

namespace {

TEST_F(HelpViewerTest, TheWizardsTopicDescribesEveryPage)
{
    TheEditor().ShowHelpTopic(QStringLiteral("Hlp_AutorunWizard#review"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The autorun.inf wizard")));
    for (const char* title : {"1. CD Root", "2. vyx folder", "3. Files exists check", "4. Splash progress bar",
                              "5. Splash image & delay", "6. command line review", "7. CD icon", "8. autorun.inf"})
        EXPECT_TRUE(Shown().contains(QString::fromLatin1(title))) << title;
}

} // namespace
