// "Export web page...": the folder asked for, the project in memory written
// there, and what the page cannot link told in the box.
#include "ui/core/editor.h"
#include "ui/support_session.h"

#include <gtest/gtest.h>

namespace {

class EditorWebPageTest : public ::testing::Test, public SessionFixture {
protected:
    EditorWebPageTest()
    {
        Shared().SetInformationListener([this](const QString& text, const QString& caption) { m_boxes << caption + ": " + text; });
        Shared().SetFolderAnswerer([this](const QString& title, const QString& start) {
            m_folderRequests << title + " in " + start;
            return m_folder;
        });
        m_session.Start(QStringLiteral(VYX_DEMO_DIR "/launcher.ini"));
    }
    QStringList m_boxes;
    QStringList m_folderRequests;
    std::optional<QString> m_folder;
};

TEST_F(EditorWebPageTest, TheProjectInMemoryIsWrittenToTheChosenFolder)
{
    EXPECT_FALSE(TheEditor().ExportWebPage(nullptr)) << "cancelled";
    EXPECT_EQ(m_folderRequests, QStringList{"Export web page in " + QDir::cleanPath(VYX_DEMO_DIR)});
    EXPECT_TRUE(m_boxes.isEmpty());

    m_folder = m_dir.File("web");
    TheEditor().Project().Buttons[1].Params = "gone.txt";
    EXPECT_TRUE(TheEditor().ExportWebPage(nullptr));
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.value(0).toStdString();
    EXPECT_EQ(m_boxes, QStringList{"Export web page: Web page written: " + m_dir.File("web/index.html")
                                   + "\n\nNot shown or linked:\nwarning [Button#1] Params: File not found: gone.txt"});
    EXPECT_TRUE(m_dir.Read("web/index.html").contains("id=\"button-1\" href=\"#\""));

    m_dir.Write("web/index.html", "not the export's");
    EXPECT_FALSE(TheEditor().ExportWebPage(nullptr));
    EXPECT_EQ(m_errors, QStringList{m_dir.File("web/index.html") + " was not written by the web page export and is not replaced"});
}

} // namespace
