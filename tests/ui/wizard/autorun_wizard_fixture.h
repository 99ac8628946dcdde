#pragma once
// The autorun wizard with its dialogs answered by the test and a disc folder
// (the player's folder "Launcher" with launcher.exe and an empty launcher.ini)
// in a temporary folder, which is also the current folder.
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "ui/controls/super_memo.h"
#include "ui/core/editor.h"
#include "ui/wizard/autorun_wizard.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

class AutorunWizardTest : public ::testing::Test {
protected:
    AutorunWizardTest()
    {
        QDir(m_disc.Path()).mkpath(QStringLiteral("Launcher"));
        m_disc.Write(QStringLiteral("Launcher/launcher.exe"), "MZ");
        m_disc.Write(QStringLiteral("Launcher/launcher.ini"), "[MAIN]\r\n");
        QDir::setCurrent(m_disc.Path());
        Dialogs().SetInformationListener([this](const QString& text, const QString& caption) {
            m_messages << caption + ": " + text;
        });
        Dialogs().SetErrorListener([this](const QString& text, const QString&) { m_errors << text; });
        Dialogs().SetFileAnswerer([this](const OpenFileRequest& request) {
            m_requests << request;
            return m_picked;
        });
        Dialogs().SetColorAnswerer([this](uint32_t) { return m_color; });
        Dialogs().SetFolderAnswerer([this](const QString& title, const QString& startFolder) {
            m_folderTitles << title;
            m_folderStarts << startFolder;
            return m_folder;
        });
        Dialogs().SetQuestionAnswerer([this](const QString& text, const QString& caption, QMessageBox::StandardButtons) {
            m_questions << caption + ": " + text;
            return m_answer;
        });
        m_wizard.show();
    }

    SharedDialogs& Dialogs() { return m_editor.Dialogs(); }
    template <typename W>
    W* Child(const char* name) const
    {
        W* child = m_wizard.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(const char* name) { QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton); }
    void Tick(const char* name) // on the box itself: the row is wider than its text
    {
        auto* box = Child<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    // Replaces the field's text as the user does: select all, then type.
    void Type(const char* name, const QString& keys)
    {
        auto* edit = Child<QLineEdit>(name);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, keys);
    }
    void Next(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Click("NextButton");
    }
    void GoTo(int page) // 1 to 8, by Next and Back only
    {
        while (m_wizard.CurrentPage() + 1 < page)
            Next();
        while (m_wizard.CurrentPage() + 1 > page)
            Click("BackButton");
    }
    QString Root() const { return m_disc.Path() + u'/'; }
    QString Shown(const char* label) const { return Child<QLabel>(label)->text(); }
    QString Memo(const char* name) const { return Child<TSuperMemo>(name)->toPlainText(); }
    QString Text(const char* edit) const { return Child<QLineEdit>(edit)->text(); }
    bool IsRed(QWidget* widget, QPalette::ColorRole role) const
    {
        return widget->palette().color(role) == QColor(Qt::red);
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_disc;
    Editor m_editor;
    AutorunWizard m_wizard{m_editor};
    QStringList m_messages;
    QStringList m_errors;
    QList<OpenFileRequest> m_requests;
    std::optional<QString> m_picked;
    std::optional<uint32_t> m_color;
    std::optional<QString> m_folder;
    QStringList m_folderTitles;
    QStringList m_folderStarts;
    QStringList m_questions;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};
