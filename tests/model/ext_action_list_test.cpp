#include "model/ext_action_list.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

QStringList Extensions(const ExtActionList& list)
{
    QStringList result;
    for (const ExtAction& row : list.Rows())
        result << row.Extension;
    return result;
}

int RowOf(const ExtActionList& list, const QString& extension)
{
    const auto& rows = list.Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Extension == extension)
            return int(i);
    return -1;
}

TEST(ExtActionList, StartsWithTheTwelveDefaultRowsInOrder)
{
    const ExtActionList list;
    EXPECT_EQ(Extensions(list), (QStringList{".M3U", ".MP3", ".IT", ".XM", ".S3M", ".AVI", ".MPG", ".MPEG",
                                             ".EXE", ".TXT", ".DOC", ".HTM"}));
    for (size_t i = 0; i < list.Rows().size(); ++i)
        EXPECT_EQ(list.Rows()[i].Action, QStringList{i < 8 ? "Play" : "Open"}) << list.Rows()[i].Extension.toStdString();
}

TEST(ExtActionList, LookupProposesTheVerbForTheFilesExtension)
{
    const ExtActionList list;
    EXPECT_EQ(list.Lookup("Song.mp3"), QString("Play"));
    EXPECT_EQ(list.Lookup("readme.txt"), QString("Open"));
    EXPECT_EQ(list.Lookup("MUSIC\\Intro.MPEG"), QString("Play"));
    EXPECT_EQ(list.Lookup("d:/Docs.v2/manual.Doc"), QString("Open"));
    EXPECT_EQ(list.Lookup("setup.bat"), std::nullopt);
    EXPECT_EQ(list.Lookup("video.mpg.bak"), std::nullopt) << "only the last extension counts";
    EXPECT_EQ(list.Lookup("Docs.txt\\README"), std::nullopt) << "a dot in a folder name is no extension";
    EXPECT_EQ(list.Lookup("song.mp"), std::nullopt);
}

TEST(ExtActionList, TheLastMatchingRowWins)
{
    ExtActionList list;
    list.InsertNewAtTop();
    list.SetExtension(0, ".mp3");
    list.SetActionText(0, "Edit");
    EXPECT_EQ(list.Lookup("Song.mp3"), QString("Play")) << "the default row lies below the new one";

    const int htm = RowOf(list, ".HTM");
    list.SetExtension(htm, ".Mp3");
    list.SetActionText(htm, "Enqueue");
    EXPECT_EQ(list.Lookup("Song.mp3"), QString("Enqueue"));
    EXPECT_EQ(list.Lookup("index.htm"), std::nullopt);
}

TEST(ExtActionList, NewInsertsQuestionRowsAtTheTop)
{
    ExtActionList list;
    int changes = 0;
    QObject::connect(&list, &ExtActionList::Changed, [&] { ++changes; });
    list.InsertNewAtTop();
    list.InsertNewAtTop();
    ASSERT_EQ(list.Rows().size(), 14u);
    for (int row : {0, 1}) {
        EXPECT_EQ(list.Rows()[row].Extension, ".?");
        EXPECT_EQ(list.ActionText(row), "Open");
    }
    EXPECT_EQ(list.Rows()[2].Extension, ".M3U");
    EXPECT_EQ(list.Rows()[13].Extension, ".HTM");
    EXPECT_EQ(changes, 2);
}

TEST(ExtActionList, EditsChangeOnlyTheGivenRow)
{
    ExtActionList list;
    list.SetExtension(5, ".avi");
    EXPECT_EQ(list.Rows()[5].Extension, ".AVI");
    list.SetExtension(5, ".wmv");
    EXPECT_EQ(list.Rows()[5].Extension, ".WMV");
    EXPECT_EQ(list.Lookup("clip.WMV"), QString("Play"));
    EXPECT_EQ(list.Lookup("clip.avi"), std::nullopt);

    list.SetActionText(5, "Play now");
    EXPECT_EQ(list.Rows()[5].Action, (QStringList{"Play", "now"}));
    EXPECT_EQ(list.ActionText(5), "Play,now");
    EXPECT_EQ(list.Lookup("clip.wmv"), QString("Play,now"));

    list.SetActionText(5, "");
    EXPECT_TRUE(list.Rows()[5].Action.isEmpty());
    EXPECT_EQ(list.Lookup("clip.wmv"), QString("")) << "a cleared action is still a match";

    const auto before = Extensions(list);
    list.SetExtension(-1, ".X");
    list.SetActionText(-1, "Run");
    list.SetExtension(12, ".X");
    EXPECT_EQ(Extensions(list), before) << "with no row selected nothing changes";
}

TEST(ExtActionList, DeleteRemovesOnlyAnExistingRow)
{
    ExtActionList list;
    list.Remove(1);
    EXPECT_EQ(list.Lookup("Song.mp3"), std::nullopt);
    ASSERT_EQ(list.Rows().size(), 11u);
    EXPECT_EQ(list.Rows()[1].Extension, ".IT");
    list.Remove(-1);
    list.Remove(11);
    EXPECT_EQ(list.Rows().size(), 11u);
}

} // namespace
