#include "platform/file_replacer.h"
#include "support/failing_file_operations.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

using Step = FailingFileOperations::Step;

const ReplaceOptions IniNames{QStringLiteral(".tmp"), QStringLiteral(".bak")};

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(FileReplacer, ReplacesTheFileKeepsTheBackupAndLeavesNoTemporaryFile)
{
    TempFolder temp;
    temp.Write("a.ini", "old");
    QFile(temp.File("a.ini")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.warnings.isEmpty());
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("new"));
    EXPECT_EQ(temp.Read("a.bak"), QByteArray("old"));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.bak", "a.ini"}));
    EXPECT_EQ(QFile(temp.File("a.ini")).permissions() & 0xF0FF, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        << "the replacement keeps the permission bits";
}

TEST(FileReplacer, ANewFileIsCreatedWithoutBackupAndAUniqueTemporaryNameLeavesNothing)
{
    TempFolder temp;
    EXPECT_TRUE(ReplaceFileContents(temp.File("a.ini"), "new", IniNames).ok);
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.ini"}));
    EXPECT_TRUE(ReplaceFileContents(temp.File("a.ini"), "newer").ok);
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("newer"));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.ini"}));
}

TEST(FileReplacer, ASymlinkKeepsPointingAtItsTargetWhichGetsTheNewContent)
{
    TempFolder temp;
    QDir(temp.Path()).mkdir("real");
    temp.Write("real/data.ini", "old");
    ASSERT_TRUE(QFile::link("real/data.ini", temp.File("hop.ini")));
    ASSERT_TRUE(QFile::link(temp.File("hop.ini"), temp.File("a.ini")));
    const ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(QFileInfo(temp.File("a.ini")).isSymLink());
    EXPECT_TRUE(QFileInfo(temp.File("hop.ini")).isSymLink());
    EXPECT_EQ(temp.Read("real/data.ini"), QByteArray("new"));
    EXPECT_EQ(temp.Read("real/data.bak"), QByteArray("old")) << "the backup is the replaced file's, beside it";
    EXPECT_EQ(Entries(temp.File("real")), QStringList({"data.bak", "data.ini"}));
}

TEST(FileReplacer, TheTargetsOwnNameIsNeverTheTemporaryOrTheBackupName)
{
    TempFolder temp;
    temp.Write("x.tmp", "project named x.tmp");
    ReplaceResult result = ReplaceFileContents(temp.File("x.tmp"), "new", IniNames);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(temp.Read("x.tmp"), QByteArray("new"));
    EXPECT_EQ(temp.Read("x.bak"), QByteArray("project named x.tmp"));

    temp.Write("y.bak", "project named y.bak");
    result = ReplaceFileContents(temp.File("y.bak"), "new", IniNames);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(temp.Read("y.bak"), QByteArray("new"));
    ASSERT_EQ(result.warnings.size(), 1) << "a backup that cannot be made is said";
    EXPECT_TRUE(result.warnings[0].contains("its own name"));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"x.bak", "x.tmp", "y.bak"}));
}

TEST(FileReplacer, AStaleTemporaryFileOrSymlinkIsRemovedNotFollowed)
{
    TempFolder temp;
    temp.Write("elsewhere.txt", "not mine");
    ASSERT_TRUE(QFile::link(temp.File("elsewhere.txt"), temp.File("a.tmp")));
    EXPECT_TRUE(ReplaceFileContents(temp.File("a.ini"), "new", IniNames).ok);
    EXPECT_EQ(temp.Read("elsewhere.txt"), QByteArray("not mine"));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.ini", "elsewhere.txt"}));
}

TEST(FileReplacer, AFolderInTheWayIsNamedAsTheReason)
{
    TempFolder temp;
    QDir(temp.Path()).mkdir("a.ini");
    ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("Unable to write to %1: a folder is in the way").arg(temp.File("a.ini")));

    QDir(temp.Path()).mkdir("b.tmp");
    result = ReplaceFileContents(temp.File("b.ini"), "new", IniNames);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("Unable to write to %1: a folder is in the way").arg(temp.File("b.tmp")));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.ini", "b.tmp"}));
}

TEST(FileReplacer, ABackupFolderInTheWayIsAWarningAndTheFileIsStillReplaced)
{
    TempFolder temp;
    temp.Write("a.ini", "old");
    QDir(temp.Path()).mkdir("a.bak");
    const ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("new"));
    EXPECT_EQ(result.warnings,
              QStringList({QStringLiteral("The previous file is not kept as %1: a folder is in the way").arg(temp.File("a.bak"))}));
}

TEST(FileReplacer, ANonRegularTargetIsRefused)
{
    TempFolder temp;
    ASSERT_TRUE(QFile::link("/dev/null", temp.File("a.ini")));
    const ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("Unable to write to /dev/null: not a regular file"));
    EXPECT_EQ(Entries(temp.Path()), QStringList({"a.ini"}));
}

// A killed writer leaves its hidden temporary file; the next write beside it
// removes it, but not one that a writer still holds, nor a file of the user's.
TEST(FileReplacer, StaleHiddenTemporaryFilesGoHeldOnesStay)
{
    TempFolder temp;
    for (const char* name : {".vyxk1ll3d00.tmp", ".a.ini.0123abcd.tmp", ".vyxheld0000.tmp", ".vyxnot.tmp", "x.tmp"})
        temp.Write(name, "left");
    const int held = ::open(QFile::encodeName(temp.File(".vyxheld0000.tmp")).constData(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_TRUE(ReplaceFileContents(temp.File("a.ini"), "new").ok);
    ::close(held);
    EXPECT_EQ(Entries(temp.Path()), QStringList({".vyxheld0000.tmp", ".vyxnot.tmp", "a.ini", "x.tmp"}));
}

// The hidden temporary name is short, so the longest file name still works.
TEST(FileReplacer, ATargetWithTheLongestNameIsReplaced)
{
    TempFolder temp;
    const QString name = QString(251, u'n') + QStringLiteral(".msk");
    temp.Write(name, "old");
    EXPECT_TRUE(ReplaceFileContents(temp.File(name), "new").ok);
    EXPECT_EQ(temp.Read(name), QByteArray("new"));
}

// Its owner protected it: refused unless asked, then replaced with its mode kept.
TEST(FileReplacer, AReadOnlyTargetIsReplacedOnlyWhenAsked)
{
    TempFolder temp;
    temp.Write("a.ini", "old");
    QFile(temp.File("a.ini")).setPermissions(QFileDevice::ReadOwner);
    ReplaceResult result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.readOnly);
    EXPECT_EQ(result.error, temp.File("a.ini") + " is read-only");
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("old"));
    ReplaceOptions anyway = IniNames;
    anyway.replaceReadOnly = true;
    result = ReplaceFileContents(temp.File("a.ini"), "new", anyway);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("new"));
    EXPECT_EQ(QFile(temp.File("a.ini")).permissions() & 0xF0FF, QFileDevice::ReadOwner);
}

struct FailureCase {
    Step step;
    int error;
    const char* reason;
};

class FileReplacerFailure : public ::testing::TestWithParam<FailureCase> {};

// Every failing step before the rename leaves the old file, no temporary file
// and a message that names the reason.
TEST_P(FileReplacerFailure, LeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder temp;
    temp.Write("a.ini", "old");
    temp.Write("a.tmp", "stale");
    ReplaceResult result;
    {
        FailingFileOperations files(GetParam().step, GetParam().error);
        result = ReplaceFileContents(temp.File("a.ini"), QByteArray(5000, 'n'), IniNames);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.endsWith(QStringLiteral(": ") + GetParam().reason)) << result.error.toStdString();
    EXPECT_EQ(temp.Read("a.ini"), QByteArray("old"));
    EXPECT_FALSE(temp.Exists("a.tmp") && temp.Read("a.tmp") != "stale") << "no partial or empty temporary file";
    if (GetParam().step != Step::RemoveStale)
        EXPECT_FALSE(temp.Exists("a.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Steps, FileReplacerFailure,
                         ::testing::Values(FailureCase{Step::RemoveStale, EACCES, "no permission"},
                                           FailureCase{Step::Create, EROFS, "read-only file system"},
                                           FailureCase{Step::Write, ENOSPC, "disk full"},
                                           FailureCase{Step::Sync, EIO, "input/output error"},
                                           FailureCase{Step::Close, EDQUOT, "disk full"},
                                           FailureCase{Step::Replace, EACCES, "no permission"}));

TEST(FileReplacer, AFailedBackupOrFolderFlushIsAWarningAfterAFullReplacement)
{
    for (const Step step : {Step::Backup, Step::SyncFolder}) {
        TempFolder temp;
        temp.Write("a.ini", "old");
        ReplaceResult result;
        {
            FailingFileOperations files(step, ENOSPC);
            result = ReplaceFileContents(temp.File("a.ini"), "new", IniNames);
        }
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(temp.Read("a.ini"), QByteArray("new"));
        ASSERT_EQ(result.warnings.size(), 1);
        EXPECT_TRUE(result.warnings[0].endsWith(": disk full")) << result.warnings[0].toStdString();
        EXPECT_FALSE(temp.Exists("a.tmp"));
    }
}

} // namespace
