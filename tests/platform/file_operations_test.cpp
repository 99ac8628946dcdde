#include "platform/file_operations.h"
#include "support/temp_folder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(FileOperations, WriteDurablyWritesTheWholeFileOrFails)
{
    TempFolder temp;
    FileOperations& files = FileOperations::Current();
    const QByteArray bytes(300000, 'b');
    temp.Write("a.ini", "much longer old content that must not survive");
    EXPECT_TRUE(files.WriteDurably(temp.File("a.ini"), bytes));
    EXPECT_EQ(temp.Read("a.ini"), bytes);
    EXPECT_TRUE(files.WriteDurably(temp.File("empty.ini"), {}));
    EXPECT_TRUE(temp.Exists("empty.ini"));
    EXPECT_FALSE(files.WriteDurably(temp.File("missing/a.ini"), bytes));
}

TEST(FileOperations, RenameRefusesAnExistingTarget)
{
    TempFolder temp;
    FileOperations& files = FileOperations::Current();
    temp.Write("from", "new");
    temp.Write("to", "old");
    EXPECT_FALSE(files.Rename(temp.File("from"), temp.File("to")));
    EXPECT_EQ(temp.Read("to"), QByteArray("old"));
    EXPECT_EQ(temp.Read("from"), QByteArray("new"));

    EXPECT_TRUE(files.Rename(temp.File("from"), temp.File("other")));
    EXPECT_FALSE(files.Exists(temp.File("from")));
    EXPECT_EQ(temp.Read("other"), QByteArray("new"));
}

TEST(FileOperations, ReplaceAtomicallyOverwritesTheTarget)
{
    TempFolder temp;
    FileOperations& files = FileOperations::Current();
    temp.Write("new.tmp", "new");
    temp.Write("launcher.ini", "old");
    EXPECT_TRUE(files.ReplaceAtomically(temp.File("new.tmp"), temp.File("launcher.ini")));
    EXPECT_EQ(temp.Read("launcher.ini"), QByteArray("new"));
    EXPECT_FALSE(temp.Exists("new.tmp"));
    EXPECT_FALSE(files.ReplaceAtomically(temp.File("new.tmp"), temp.File("launcher.ini")));
}

TEST(FileOperations, LinkOrCopyGivesASecondNameButNeverReplaces)
{
    TempFolder temp;
    FileOperations& files = FileOperations::Current();
    temp.Write("launcher.ini", "content");
    EXPECT_TRUE(files.LinkOrCopy(temp.File("launcher.ini"), temp.File("launcher.bak")));
    EXPECT_EQ(temp.Read("launcher.bak"), QByteArray("content"));
    EXPECT_TRUE(temp.Exists("launcher.ini"));

    temp.Write("other", "other");
    EXPECT_FALSE(files.LinkOrCopy(temp.File("other"), temp.File("launcher.bak")));
    EXPECT_EQ(temp.Read("launcher.bak"), QByteArray("content"));
}

} // namespace
