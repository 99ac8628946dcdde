#include "ui/core/shared_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
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

TEST(SharedDialogsTest, TheRealSaveDialogProposesTheNameAndAsksBeforeReplacing)
{
    SharedDialogs dialogs;
    OpenFileRequest request{QStringLiteral("Make ISO image"), QStringLiteral("ISO images (*.iso)|*.iso"),
                            QDir::tempPath(), QStringLiteral("demo.iso"), QStringLiteral("iso")};
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString title;
    QString suffix;
    bool confirms = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        mode = dialog->acceptMode();
        title = dialog->windowTitle();
        suffix = dialog->defaultSuffix();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.ExecuteSaveFile(nullptr, request).has_value());
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_EQ(title, QStringLiteral("Make ISO image"));
    EXPECT_EQ(suffix, QStringLiteral("iso"));
    EXPECT_TRUE(confirms);
    EXPECT_EQ(dialogs.OpenFile().Title, QString()); // the open-file request is left alone
}

TEST(SharedDialogsTest, TheQuestionBoxPressesTheDefaultButtonAskedFor)
{
    SharedDialogs dialogs;
    bool noIsDefault = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->defaultButton()->click();
    });
    EXPECT_EQ(dialogs.Ask(nullptr, QStringLiteral("Build anyway?"), QStringLiteral("Q"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_TRUE(noIsDefault);
}
