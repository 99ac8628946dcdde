#include "ui/core/shared_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

TEST(SharedDialogsTest, AllFilesPatternsListFilesWithoutADot)
{
    EXPECT_EQ(SharedDialogs::ToQtFilters(QStringLiteral("Programs|*.exe;*.com;*.pif;*.lnk|All files|*.*")),
              QStringList({"Programs (*.exe *.com *.pif *.lnk)", "All files (*)"}));
    EXPECT_EQ(SharedDialogs::ToQtFilters(QStringLiteral("*.ini|*.ini|All|*.*")),
              QStringList({"*.ini (*.ini)", "All (*)"}));
    EXPECT_EQ(SharedDialogs::ToQtFilters(QStringLiteral("Pictures|*.bmp;*.*x")), QStringList({"Pictures (*.bmp *.*x)"}));
}

TEST(SharedDialogsTest, TheRealFileDialogGetsTheTranslatedFilters)
{
    SharedDialogs dialogs;
    dialogs.OpenFile().Title = QStringLiteral("Help file...");
    dialogs.OpenFile().Filter = QStringLiteral("RTF docs|*.rtf|All files|*.*");
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.ExecuteOpenFile(nullptr).has_value());
    EXPECT_EQ(shown, QStringList({"RTF docs (*.rtf)", "All files (*)"}));
}
