// Where the help viewer reads its topics: installed beside the program, or built in.
#include "support/temp_folder.h"
#include "ui/help/help_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(HelpFolder, PrefersTheTopicsInstalledUnderTheProgramsPrefix)
{
    TempFolder prefix;
    QDir(prefix.Path()).mkpath("bin");
    QDir(prefix.Path()).mkpath("share/vyxedit/help");
    prefix.Write("share/vyxedit/help/topics.txt", "10=Hlp_MainForm_\n");
    EXPECT_EQ(HelpFolder(prefix.File("bin")), prefix.File("share/vyxedit/help"));
}

TEST(HelpFolder, FallsBackToTheBuiltInTopics)
{
    TempFolder prefix;
    QDir(prefix.Path()).mkpath("bin");
    // A help folder without its topic list is not taken for the installed topics.
    QDir(prefix.Path()).mkpath("share/vyxedit/help");
    const QString folder = HelpFolder(prefix.File("bin"));
    EXPECT_EQ(folder, QStringLiteral(":/help"));
    EXPECT_TRUE(QFile::exists(folder + "/topics.txt"));
    EXPECT_TRUE(QFile::exists(folder + "/Hlp_MainForm_.html"));
}

TEST(HelpFolder, NamesPagesInEitherPlace)
{
    EXPECT_EQ(HelpPageUrl(":/help", "Hlp_ButtonList.html", {}), QUrl("qrc:/help/Hlp_ButtonList.html"));
    EXPECT_EQ(HelpPageUrl(":/help", "Hlp_ButtonEditor.html", "sounds"), QUrl("qrc:/help/Hlp_ButtonEditor.html#sounds"));
    const QUrl installed = HelpPageUrl("/usr/share/vyxedit/help", "Hlp_MainForm_.html", "ini");
    EXPECT_EQ(installed.toLocalFile(), QStringLiteral("/usr/share/vyxedit/help/Hlp_MainForm_.html"));
    EXPECT_EQ(installed.fragment(), QStringLiteral("ini"));
}

} // namespace
