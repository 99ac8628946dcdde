#include "platform/file_operations.h"
#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

QByteArray AfterWrite(const QByteArray& before, const QByteArray& section, const QByteArray& key,
                      const QByteArray& value)
{
    ProfileFile profile;
    profile.Parse(before);
    profile.WriteString(section, key, value);
    return profile.ToBytes();
}

struct WriteCase {
    const char* what;
    QByteArray before;
    QByteArray section, key, value;
    QByteArray after;
};

TEST(ProfileFileWrite, LinesGoWhereWindowsPutsThem)
{
    const WriteCase cases[] = {
        {"existing key keeps its place and spelling", "[Main]\nProgram = old\nX=1\n", "MAIN",
         "PROGRAM", "new", "[Main]\nProgram=new\nX=1\n"},
        {"indented key loses only its blanks", "[A]\n  k\t=  v\r\nz=1\r\n", "A", "K", "w",
         "[A]\nk=w\r\nz=1\r\n"},
        {"new key after the last key, before blank and comment lines",
         "[A]\nx=1\n\n; about B\n[B]\ny=2\n", "a", "z", "3",
         "[A]\nx=1\nz=3\r\n\n; about B\n[B]\ny=2\n"},
        {"new key right after the header of a section with no keys", "[A]\n; note\n[B]\n", "A",
         "k", "v", "[A]\nk=v\r\n; note\n[B]\n"},
        {"new key where the file lacks a final line end", "[A]\nx=1", "A", "y", "2",
         "[A]\nx=1\r\ny=2\r\n"},
        {"new section at the end", "[A]\nx=1\n\n", "B", "k", "v", "[A]\nx=1\n\n[B]\r\nk=v\r\n"},
        {"new section where the file lacks a final line end", "[A]\nx=1", "B", "k", "v",
         "[A]\nx=1\r\n[B]\r\nk=v\r\n"},
        {"new section in an empty file", "", "B", "k", "v", "[B]\r\nk=v\r\n"},
        {"repeated section: writes go to the first occurrence", "[A]\nx=1\n[A]\ny=2\n", "A", "y",
         "3", "[A]\nx=1\ny=3\r\n[A]\ny=2\n"},
        {"repeated key: the first one is written", "[A]\nk=1\nk=2\n", "A", "k", "9",
         "[A]\nk=9\nk=2\n"},
        {"values are written as they are", "[A]\n", "A", "k", " \"q\" ", "[A]\nk= \"q\" \r\n"},
        {"same value leaves the line alone", "[A]\nk=v\r\n", "A", "k", "v", "[A]\nk=v\r\n"},
        {"keys before the first section are not the section's", "k=1\n[A]\n", "A", "k", "2",
         "k=1\n[A]\nk=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AfterWrite(c.before, c.section, c.key, c.value), c.after);
    }
}

TEST(ProfileFileWrite, WrittenValuesReadBackTrimmedAndUnquoted)
{
    ProfileFile profile;
    profile.WriteString("A", "k", " \"q\" ");
    profile.WriteString("A", "empty", "");
    EXPECT_EQ(profile.ReadString("a", "K"), QByteArray("q"));
    EXPECT_EQ(profile.ReadString("A", "empty"), QByteArray(""));
}

// Inserting lines in the middle moves every later line: reads and writes below must follow.
TEST(ProfileFileWrite, LinesBelowAnInsertStayReachable)
{
    ProfileFile profile;
    profile.Parse("[A]\nx=1\n[B]\ny=2\n[C]\nz=3\n");
    profile.WriteString("A", "new", "n");
    profile.WriteString("B", "y", "20");
    profile.WriteString("B", "y2", "21");
    profile.WriteString("C", "z", "30");
    EXPECT_EQ(profile.ToBytes(), "[A]\nx=1\nnew=n\r\n[B]\ny=20\ny2=21\r\n[C]\nz=30\n");
}

// After any sequence of writes the file reads the same in memory and from its bytes.
TEST(ProfileFileWrite, RandomWritesAgreeWithAFreshParse)
{
    ProfileFile profile;
    profile.Parse("; head\r\n[A]\r\nk0=a\r\n\r\n[b]\rk1=b\r;c\n[A]\nk2=dup\n[C]\nk3=c");
    std::map<std::pair<QByteArray, QByteArray>, QByteArray> written;
    std::mt19937 random(7);
    const QByteArray sections[] = {"A", "B", "c", "D", "e"};
    for (int step = 0; step < 400; ++step) {
        const QByteArray section = sections[random() % 5];
        const QByteArray key = "k" + QByteArray::number(int(random() % 8));
        const QByteArray value = QByteArray::number(step);
        profile.WriteString(section, key, value);
        written[{section.toLower(), key}] = value;

        ProfileFile reparsed;
        reparsed.Parse(profile.ToBytes());
        for (const auto& [name, expected] : written) {
            ASSERT_EQ(profile.ReadString(name.first, name.second), expected) << step;
            ASSERT_EQ(reparsed.ReadString(name.first, name.second), expected) << step;
        }
    }
}

// Records what Flush hands over and answers as told.
class RecordingOperations : public FileOperations {
public:
    explicit RecordingOperations(bool succeed) : m_succeed(succeed) {}
    bool WriteDurably(const QString& path, const QByteArray& bytes) override
    {
        m_path = path;
        m_bytes = bytes;
        return m_succeed;
    }

    QString m_path;
    QByteArray m_bytes;

private:
    bool m_succeed;
};

class CurrentOperations {
public:
    explicit CurrentOperations(FileOperations* ops) { FileOperations::SetCurrent(ops); }
    ~CurrentOperations() { FileOperations::SetCurrent(nullptr); }
};

TEST(ProfileFileFlush, HandsTheBytesToTheFileOperationsAndReportsTheirResult)
{
    ProfileFile profile;
    profile.SetPath("/somewhere/launcher.tmp");
    profile.WriteString("MAIN", "Program", "Demo");
    for (bool succeed : {true, false}) {
        RecordingOperations ops(succeed);
        CurrentOperations current(&ops);
        EXPECT_EQ(profile.Flush(), succeed);
        EXPECT_EQ(ops.m_path, QStringLiteral("/somewhere/launcher.tmp"));
        EXPECT_EQ(ops.m_bytes, QByteArray("[MAIN]\r\nProgram=Demo\r\n"));
    }
}

TEST(ProfileFileFlush, WritesAFileThatLoadsBack)
{
    TempFolder temp;
    ProfileFile profile;
    profile.Load(temp.File("new.ini"));
    profile.WriteString("MAIN", "SizeX", "640");
    ASSERT_TRUE(profile.Flush());
    EXPECT_EQ(temp.Read("new.ini"), QByteArray("[MAIN]\r\nSizeX=640\r\n"));

    profile.SetPath(temp.File("no such folder/new.ini"));
    EXPECT_FALSE(profile.Flush());
}

} // namespace
