// Files a project names that are not what they claim: a pipe, a device behind a
// link, a huge sparse file. Each is refused with a clear message before it is
// read, whatever reads it.
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

enum class Hostile { Fifo, LinkToZero, Huge };

struct NamedFileCase {
    const char* name;
    const char* kind;     // what names the file, as the INI file spells it
    Hostile hostile;
    const char* command;  // dump, check, rtf-text or mask-info
    qint64 hugeBytes;     // for Hostile::Huge: one byte above the cap
    const char* message;  // after the file's path
};

void PrintTo(const NamedFileCase& c, std::ostream* os) { *os << c.name; }

class NamedFilesTest : public ::testing::TestWithParam<NamedFileCase> {
protected:
    void MakeHostile(const QString& path, const NamedFileCase& c)
    {
        switch (c.hostile) {
        case Hostile::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
            break;
        case Hostile::LinkToZero:
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
            break;
        case Hostile::Huge:
            m_dir.Write(QFileInfo(path).fileName(), "x");
            ASSERT_TRUE(QFile::resize(path, c.hugeBytes)); // sparse: no disk space taken
            break;
        }
    }
    TempFolder m_dir;
};

// What the run said about the file: the dump's error, a check finding or a message.
QByteArray Said(const ToolRun& run, const QString& command)
{
    if (command == u"dump")
        return QJsonDocument::fromJson(run.out).object()["Error"].toString().toUtf8();
    return command == u"check" ? run.out : run.err;
}

TEST_P(NamedFilesTest, IsRefusedBeforeItIsRead)
{
    const NamedFileCase& c = GetParam();
    const QString file = m_dir.File(QString::fromLatin1(c.name));
    MakeHostile(file, c);
    m_dir.Write("launcher.ini", QByteArray(c.kind) + c.name + "\r\n");
    const QString command = QString::fromLatin1(c.command);
    const bool onProject = command == u"dump" || command == u"check";
    const ToolRun run = Tool({command, onProject ? m_dir.File("launcher.ini") : file});
    EXPECT_EQ(run.exitCode, 1) << run.err.constData();
    const QByteArray expected = (file + QString::fromLatin1(c.message)).toUtf8();
    EXPECT_TRUE(Said(run, command).contains(expected)) << run.out.constData() << run.err.constData();
}

constexpr qint64 MiB = 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Kinds, NamedFilesTest,
    ::testing::Values(
        NamedFileCase{"pipe.bmp", "[MAIN]\r\nbackground=", Hostile::Fifo, "dump", 0, " is not a regular file"},
        NamedFileCase{"zero.jpg", "[MAIN]\r\nbackover=", Hostile::LinkToZero, "dump", 0, " is not a regular file"},
        NamedFileCase{"huge.jpg", "[MAIN]\r\nbackground=", Hostile::Huge, "dump", 128 * MiB + 1, " is larger than 128 MiB"},
        NamedFileCase{"pipe.rtf", "[Button#0]\r\nAction=RUN\r\nLeft=0\r\nTop=0\r\nWidth=5\r\nHeight=5\r\nLoadInfo=", Hostile::Fifo,
                      "check", 0, " is not a regular file"},
        NamedFileCase{"zero.txt", "[TextInfo]\r\nDefaultFile=", Hostile::LinkToZero, "check", 0,
                      " is not a regular file"},
        NamedFileCase{"huge.rtf", "", Hostile::Huge, "rtf-text", 16 * MiB + 1, " is larger than 16 MiB"},
        NamedFileCase{"pipe.msk", "", Hostile::Fifo, "mask-info", 0, " is not a regular file"},
        NamedFileCase{"huge.msk", "", Hostile::Huge, "mask-info", 64 * MiB + 1, " is larger than 64 MiB"}),
    [](const ::testing::TestParamInfo<NamedFileCase>& info) {
        QString name = QString::fromLatin1(info.param.name) + u'_' + QString::fromLatin1(info.param.command);
        name.replace(u'.', u'_').replace(u'-', u'_');
        return name.toStdString();
    });

} // namespace
