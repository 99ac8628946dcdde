#include "platform/file_names.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Makes a folder current for one test and puts the previous one back.
class InFolder {
public:
    explicit InFolder(const QString& folder) : m_previous(QDir::currentPath())
    {
        EXPECT_TRUE(SetCurrentFolder(folder));
    }
    ~InFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

class FileNamesTest : public ::testing::Test {
protected:
    TempFolder m_temp;
    InFolder m_inFolder{m_temp.Path()};
    // The current folder as the system reports it (symbolic links resolved).
    QString m_base = QDir(m_temp.Path()).canonicalPath();
};

TEST_F(FileNamesTest, StoredNamesResolveFromTheCurrentFolder)
{
    m_temp.Write("pics/back.jpg", "x");
    EXPECT_EQ(CurrentFolder(), m_base);
    EXPECT_EQ(LocalPathOf("pics\\back.jpg"), m_base + "/pics/back.jpg");
    EXPECT_EQ(LocalPathOf("pics/back.jpg"), m_base + "/pics/back.jpg");
    EXPECT_TRUE(StoredFileExists("pics\\back.jpg"));
    EXPECT_TRUE(StoredFileExists(m_base + "/pics/back.jpg"));
}

TEST_F(FileNamesTest, CaseIsIgnoredWhenTheExactNameIsMissing)
{
    m_temp.Write("Pics/Back.JPG", "x");
    EXPECT_EQ(LocalPathOf("PICS\\back.jpg"), m_base + "/Pics/Back.JPG");
    EXPECT_EQ(LocalPathOf(m_base + "/pics/BACK.jpg"), m_base + "/Pics/Back.JPG");
    EXPECT_TRUE(StoredFileExists("pics\\BACK.jpg"));

    // A segment that exists as spelled wins over other spellings.
    m_temp.Write("Pics/a.txt", "lower");
    m_temp.Write("Pics/A.TXT", "upper");
    EXPECT_EQ(LocalPathOf("PICS\\a.txt"), m_base + "/Pics/a.txt");
    EXPECT_EQ(LocalPathOf("PICS\\A.TXT"), m_base + "/Pics/A.TXT");
}

TEST_F(FileNamesTest, MissingNamesKeepWhatMatched)
{
    m_temp.Write("Pics/Back.JPG", "x");
    EXPECT_EQ(LocalPathOf("pics\\none\\x.jpg"), m_base + "/Pics/none/x.jpg");
    EXPECT_FALSE(StoredFileExists("pics\\none\\x.jpg"));
    EXPECT_FALSE(StoredFileExists("pics\\back.jpg\\x"));
    EXPECT_FALSE(StoredFileExists("pics"));
    EXPECT_FALSE(StoredFileExists(""));
    EXPECT_TRUE(LocalPathOf("").isEmpty());
}

// The preview takes names from the INI file's folder, whatever folder is current.
TEST_F(FileNamesTest, NamesResolveFromAGivenFolderIgnoringCase)
{
    TempFolder project;
    project.Write("Sounds/Over.WAV", "x");
    const QString folder = QDir(project.Path()).canonicalPath();
    EXPECT_EQ(LocalPathIn(folder, "sounds\\over.wav"), folder + "/Sounds/Over.WAV");
    EXPECT_EQ(LocalPathIn(folder, "Sounds/Over.WAV"), folder + "/Sounds/Over.WAV");
    EXPECT_EQ(LocalPathIn(folder, "..\\x.wav"), QDir::cleanPath(folder + "/../x.wav"));
    EXPECT_EQ(LocalPathIn(folder, m_base + "/a.wav"), m_base + "/a.wav") << "absolute names stay";
    EXPECT_EQ(LocalPathIn(folder, "C:\\a.wav"), QStringLiteral("C:/a.wav"));
    EXPECT_TRUE(LocalPathIn(folder, "").isEmpty());
    m_temp.Write("sounds/over.wav", "y");
    EXPECT_EQ(LocalPathOf("sounds\\over.wav"), m_base + "/sounds/over.wav") << "the current folder is another";
}

TEST_F(FileNamesTest, DriveLetterNamesOnlyChangeTheirSlashes)
{
    EXPECT_EQ(LocalPathOf("C:\\Menu\\back.jpg"), QStringLiteral("C:/Menu/back.jpg"));
    EXPECT_FALSE(StoredFileExists("C:\\Menu\\back.jpg"));
}

TEST_F(FileNamesTest, AbsoluteNameCleansButKeepsLinks)
{
    EXPECT_EQ(AbsoluteName("sub/../launcher.ini"), m_base + "/launcher.ini");
    EXPECT_EQ(AbsoluteName("./launcher.ini"), m_base + "/launcher.ini");
    EXPECT_EQ(AbsoluteName("/x/./y/../z.ini"), QStringLiteral("/x/z.ini"));
    QDir(m_base).mkdir("real");
    ASSERT_TRUE(QFile::link(m_base + "/real", m_base + "/link"));
    EXPECT_EQ(AbsoluteName("link/launcher.ini"), m_base + "/link/launcher.ini");
}

TEST_F(FileNamesTest, SettingAMissingFolderKeepsTheCurrentOne)
{
    EXPECT_FALSE(SetCurrentFolder(m_base + "/missing"));
    EXPECT_EQ(CurrentFolder(), m_base);
    QDir(m_base).mkdir("sub");
    EXPECT_TRUE(SetCurrentFolder("sub"));
    EXPECT_EQ(CurrentFolder(), m_base + "/sub");
}

TEST(FileNames, ExtensionsBelongToTheFileNamePart)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // name, its extension, name with ".tmp"
        {"launcher.ini", ".ini", "launcher.tmp"},
        {"c:\\menu\\launcher.ini", ".ini", "c:\\menu\\launcher.tmp"},
        {"/a/b.c/launcher", "", "/a/b.c/launcher.tmp"},
        {"a.b\\launcher", "", "a.b\\launcher.tmp"},
        {"x.tar.gz", ".gz", "x.tar.tmp"},
        {"name.", ".", "name.tmp"},
        {".hidden", ".hidden", ".tmp"},
        {"", "", ".tmp"},
    };
    for (const auto& [name, ext, changed] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ExtractFileExt(name), QString::fromUtf8(ext));
        EXPECT_EQ(ChangeFileExt(name, ".tmp"), QString::fromUtf8(changed));
    }
}

} // namespace
