#include "model/help_topics.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(HelpTopics, ReadsNumbersTopicsAndAnchorsSkippingNoise)
{
    HelpTopics topics;
    topics.Parse("; comment\r\n10=Hlp_MainForm_\r\n 230 = Hlp_MainForm_#ini \nnot a line\nabc=Nope\n99=\n");
    EXPECT_EQ(topics.TopicOfContext(10), QStringLiteral("Hlp_MainForm_"));
    EXPECT_EQ(topics.TopicOfContext(230), QStringLiteral("Hlp_MainForm_#ini"));
    EXPECT_TRUE(topics.TopicOfContext(99).isEmpty());
    EXPECT_TRUE(topics.TopicOfContext(11).isEmpty());
}

// Every context number the windows carry leads to a page that exists.
TEST(HelpTopics, TheShippedTableNamesExistingPages)
{
    QFile file(QStringLiteral(VYX_HELP_DIR "/topics.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    HelpTopics topics;
    topics.Parse(file.readAll());
    for (int context : {10, 210, 230, 240, 250, 260, 270, 310, 320, 330, 340, 450, 510, 1310, 2010, 2810}) {
        const QString topic = topics.TopicOfContext(context);
        ASSERT_FALSE(topic.isEmpty()) << context;
        const QString page = QStringLiteral(VYX_HELP_DIR "/") + topic.section(u'#', 0, 0) + ".html";
        EXPECT_TRUE(QFile::exists(page)) << page.toStdString();
    }
}

} // namespace
