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

// The context numbers the windows carry: the help file's own, then the editor's
// for the windows the help file never numbered (preview 9010, mask maker 9020,
// autorun wizard 9030 and its pages 9031 to 9038, status window 9040, check window 9050).
constexpr int kContexts[] = {10,   210,  230,  240,  250,  260,  2810, 270,  340,  1310, 310,  320,  330,
                             2010, 450,  510,  350,  410,  3010, 220,  420,  430,  440,  3310, 3320, 2110,
                             2120, 2130, 1610, 1620, 520,  610,  9010, 9020, 9030, 9031, 9032, 9033, 9034,
                             9035, 9036, 9037, 9038, 9040, 9050};

QByteArray ReadHelpFile(const QString& name)
{
    QFile file(QStringLiteral(VYX_HELP_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every number leads to a page that exists and, where it names one, to an anchor on that page.
TEST(HelpTopics, EveryContextNumberOpensAnExistingTopic)
{
    HelpTopics topics;
    topics.Parse(ReadHelpFile(QStringLiteral("topics.txt")));
    for (int context : kContexts) {
        const QString topic = topics.TopicOfContext(context);
        ASSERT_FALSE(topic.isEmpty()) << context;
        const QByteArray page = ReadHelpFile(topic.section(u'#', 0, 0) + ".html");
        ASSERT_FALSE(page.isEmpty()) << context << " " << topic.toStdString();
        const QString anchor = topic.section(u'#', 1);
        if (!anchor.isEmpty())
            EXPECT_TRUE(page.contains("<a name=\"" + anchor.toUtf8() + "\"")) << context << " " << topic.toStdString();
    }
}

} // namespace
