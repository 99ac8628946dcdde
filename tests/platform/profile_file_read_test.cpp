#include "platform/profile_file.h"
#include "platform/vyx_error.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

QString ProfileDataFolder() { return QStringLiteral(VYX_OWN_TESTDATA "/profile"); }

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One ";expect section|key|value|" line (value between the bars) or
// ";expect section|key" (the key must read as absent).
struct Expectation {
    QByteArray section;
    QByteArray key;
    std::optional<QByteArray> value;
};

std::vector<Expectation> ExpectationsIn(const QByteArray& bytes)
{
    static const QByteArray marker = ";expect ";
    std::vector<Expectation> expectations;
    for (const QByteArray& line : QByteArray(bytes).replace('\r', '\n').split('\n')) {
        if (!line.startsWith(marker))
            continue;
        const QList<QByteArray> parts = line.sliced(marker.size()).split('|');
        Expectation e{parts.value(0), parts.value(1), std::nullopt};
        if (parts.size() == 4)
            e.value = parts[2];
        expectations.push_back(e);
    }
    return expectations;
}

TEST(ProfileFileRead, DataFilesReadAsTheirExpectationsSay)
{
    const QDir folder(ProfileDataFolder());
    const QStringList names = folder.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 8);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadBytes(folder.filePath(name));
        const std::vector<Expectation> expectations = ExpectationsIn(bytes);
        ASSERT_FALSE(expectations.empty());
        ProfileFile profile;
        profile.Parse(bytes);
        for (const Expectation& e : expectations) {
            SCOPED_TRACE((e.section + " / " + e.key).toStdString());
            EXPECT_EQ(profile.ReadString(e.section, e.key), e.value);
        }
    }
}

TEST(ProfileFileRead, UnchangedDataFilesWriteBackByteForByte)
{
    const QDir folder(ProfileDataFolder());
    for (const QString& name : folder.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadBytes(folder.filePath(name));
        ProfileFile profile;
        profile.Parse(bytes);
        EXPECT_EQ(profile.ToBytes(), bytes);
    }
}

TEST(ProfileFileRead, ByteOrderMarkIsSkippedOnlyAtTheStart)
{
    ProfileFile profile;
    profile.Parse("\xEF\xBB\xBF[MAIN]\nProgram=Demo\n");
    EXPECT_TRUE(profile.SkippedUtf8Bom());
    EXPECT_EQ(profile.ReadString("MAIN", "Program"), QByteArray("Demo"));
    EXPECT_EQ(profile.ToBytes(), QByteArray("\xEF\xBB\xBF[MAIN]\nProgram=Demo\n")) << "written back as it was";

    profile.Parse("[MAIN]\n\xEF\xBB\xBFProgram=Demo\n");
    EXPECT_FALSE(profile.SkippedUtf8Bom());
    EXPECT_EQ(profile.ReadString("MAIN", "Program"), std::nullopt);
}

// The first mark is skipped, the second is part of the first line: written back
// without the first, the next reading would skip the second and read more.
TEST(ProfileFileRead, TwoByteOrderMarksReadTheSameAfterAWriteBack)
{
    const QByteArray bytes = "\xEF\xBB\xBF\xEF\xBB\xBF[MAIN]\r\nProgram=Hidden\r\n[B]\r\nk=v\r\n";
    ProfileFile first;
    first.Parse(bytes);
    first.WriteString("B", "k", "w");
    ProfileFile second;
    second.Parse(first.ToBytes());
    EXPECT_EQ(second.ReadString("MAIN", "Program"), std::nullopt);
    EXPECT_EQ(second.ReadString("B", "k"), QByteArray("w"));
    EXPECT_TRUE(second.ToBytes().startsWith("\xEF\xBB\xBF\xEF\xBB\xBF[MAIN]\r\n"));
}

TEST(ProfileFileRead, Utf16WithItsByteOrderMarkIsReadInTheCodePage)
{
    const QString text = QStringLiteral("[MAIN]\r\nProgram=Caf\u00e9 \u20ac\r\nCompany=\u0416\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(text);
        ASSERT_TRUE(bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
        ProfileFile profile;
        profile.Parse(bytes);
        EXPECT_TRUE(profile.ConvertedFromUtf16());
        EXPECT_EQ(profile.ReadString("MAIN", "Program"), QByteArray("Caf\xE9 \x80")) << "windows-1252";
        EXPECT_EQ(profile.ReadString("MAIN", "Company"), QByteArray("?")) << "no Cyrillic in windows-1252";
        EXPECT_EQ(profile.ToBytes(), QByteArray("[MAIN]\r\nProgram=Caf\xE9 \x80\r\nCompany=?\r\n"));
    }
    ProfileFile plain;
    plain.Parse("[MAIN]\r\nProgram=x\r\n");
    EXPECT_FALSE(plain.ConvertedFromUtf16());
}

// A UTF-16 file whose first characters become the bytes of a UTF-16 mark in
// the code page is saved after an empty line, so it is not taken for UTF-16 again.
TEST(ProfileFileRead, TextStartingLikeAUtf16MarkSavesAndReadsBack)
{
    const QByteArray utf16("\xFE\xFF\x00\xFE\x00\xFF\xFF\x00\x00", 9); // becomes "\xFE\xFF?" and a stray byte
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray readable = encoder.encode(QStringLiteral("\u00FF\u00FE=x\r\n[MAIN]\r\nProgram=old\r\n"));
    for (const QByteArray& input : {utf16, readable}) {
        ProfileFile first;
        first.Parse(input);
        first.WriteString("MAIN", "Program", "title");
        first.WriteString("Button#0", "Left", "12");
        const QByteArray saved = first.ToBytes();
        EXPECT_TRUE(saved.startsWith("\r\n\xFE\xFF") || saved.startsWith("\r\n\xFF\xFE")) << saved.toHex().constData();
        ProfileFile second;
        second.Parse(saved);
        EXPECT_FALSE(second.ConvertedFromUtf16());
        EXPECT_EQ(second.ReadString("MAIN", "Program"), QByteArray("title"));
        EXPECT_EQ(second.ReadString("Button#0", "Left"), QByteArray("12"));
        EXPECT_EQ(second.ToBytes(), saved);
    }
}

TEST(ProfileFileRead, WhatIsNotARegularFileOrTooLargeIsRefused)
{
    ProfileFile profile;
    try {
        profile.Load(QStringLiteral("/dev/zero"));
        ADD_FAILURE() << "a device is refused";
    } catch (const VyxError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("/dev/zero is not a regular file"));
    }
    TempFolder temp;
    QFile huge(temp.File("huge.ini"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(ProfileFile::MaxFileSize + 1)); // sparse: no disk space taken
    huge.close();
    try {
        profile.Load(huge.fileName());
        ADD_FAILURE() << "a file above the limit is refused";
    } catch (const VyxError& e) {
        EXPECT_EQ(e.Message(), huge.fileName() + QStringLiteral(" is larger than 64 MiB"));
    }
    ASSERT_TRUE(QFile::resize(huge.fileName(), ProfileFile::MaxFileSize));
    EXPECT_TRUE(profile.Load(huge.fileName())) << "a file at the limit is read";
    EXPECT_FALSE(profile.Load(temp.File("missing.ini")));
}

TEST(ProfileFileRead, ValueIsTrimmedThenUnquotedThenCut)
{
    const QByteArray longText(3000, 'x');
    ProfileFile profile;
    profile.Parse("[S]\n"
                  "long=" + longText + "\n"
                  "quoted=  \"" + longText.left(2047) + "\"  \n"
                  "shortquoted=\"" + longText.left(2046) + "\"\n"
                  "padded=   " + longText.left(2047) + "   \n");
    EXPECT_EQ(profile.ReadString("S", "long"), longText.left(ProfileFile::MaxValueLength));
    EXPECT_EQ(profile.ReadString("S", "quoted"), longText.left(2047));
    EXPECT_EQ(profile.ReadString("S", "shortquoted"), longText.left(2046));
    EXPECT_EQ(profile.ReadString("S", "padded"), longText.left(2047));
}

TEST(ProfileFileRead, MissingFileLoadsEmptyAndRemembersItsPath)
{
    TempFolder temp;
    ProfileFile profile;
    profile.Parse("[S]\nk=v\n");
    EXPECT_FALSE(profile.Load(temp.File("none.ini")));
    EXPECT_EQ(profile.Path(), temp.File("none.ini"));
    EXPECT_EQ(profile.ReadString("S", "k"), std::nullopt);
    EXPECT_TRUE(profile.ToBytes().isEmpty());

    const QString path = temp.Write("there.ini", "[S]\r\nk=v\r\n");
    EXPECT_TRUE(profile.Load(path));
    EXPECT_EQ(profile.ReadString("s", "K"), QByteArray("v"));
}

TEST(ProfileFileRead, TenMegabyteLinesAreHandled)
{
    const QByteArray huge(10 * 1024 * 1024, 'v');
    ProfileFile profile;
    profile.Parse("[S]\nk=" + huge);
    EXPECT_EQ(profile.ReadString("S", "k"), huge.left(ProfileFile::MaxValueLength));
    EXPECT_EQ(profile.ToBytes().size(), huge.size() + 6);

    profile.Parse("[" + huge + "]\n" + huge + "=1\n");
    EXPECT_EQ(profile.ReadString(huge, huge), QByteArray("1"));
}

// A quadratic index would take minutes here.
TEST(ProfileFileRead, ManyKeysAndSectionsAreIndexed)
{
    constexpr int count = 200000;
    QByteArray keys = "[Keys]\n";
    QByteArray sections;
    for (int i = 0; i < count; ++i) {
        keys += "k" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        sections += "[s" + QByteArray::number(i) + "]\nk=" + QByteArray::number(i) + "\n";
    }
    ProfileFile profile;
    profile.Parse(keys + sections);
    EXPECT_EQ(profile.ReadString("Keys", "K199999"), QByteArray("199999"));
    EXPECT_EQ(profile.ReadString("S123456", "k"), QByteArray("123456"));
}

TEST(ProfileFileRead, BinaryJunkParsesAndWritesBackUnchanged)
{
    std::mt19937 random(20240601);
    // Mostly characters that matter to the parser, so that junk makes sections and keys.
    const QByteArray meaningful = "[]=;\"' \t\r\nabAB";
    QByteArray junk(4 * 1024 * 1024, '\0');
    for (char& c : junk) {
        const unsigned r = random();
        c = (r & 1) ? meaningful[int((r >> 1) % meaningful.size())] : char(r >> 8);
    }
    junk[0] = 'x';
    ProfileFile profile;
    profile.Parse(junk);
    EXPECT_EQ(profile.ToBytes(), junk);

    // Writes into junk index the same way a fresh parse of the result does.
    profile.WriteString("a", "b", "first");
    profile.WriteString("zz", "k", "second");
    ProfileFile reparsed;
    reparsed.Parse(profile.ToBytes());
    EXPECT_EQ(reparsed.ReadString("a", "b"), QByteArray("first"));
    EXPECT_EQ(reparsed.ReadString("zz", "k"), QByteArray("second"));
}

} // namespace
