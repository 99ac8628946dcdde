#pragma once
#include "app/editor_session.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "ui/history_watch.h"
#include "ui/core/editor.h"

#include <QMessageBox>
#include <QSettings>
#include <QWidget>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// The named child of a window; a test failure when there is none.
template <typename T>
T* NamedChild(const QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// A whole editor on the offscreen platform, with its dialogs answered by the test.
class SessionFixture {
public:
    SessionFixture()
    {
        // The recent files go to the test's own configuration folder, never the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.File("config"));
        Shared().SetErrorListener([this](const QString& text, const QString&) { m_errors << text; });
        Shared().SetQuestionAnswerer([this](const QString& text, const QString& caption, QMessageBox::StandardButtons) {
            m_questions << caption + ": " + text;
            return m_answer;
        });
        Shared().SetFileAnswerer([this](const OpenFileRequest& request) {
            m_fileRequests << request.Title;
            return m_pickedFile;
        });
    }

    Editor& TheEditor() { return m_session.TheEditor(); }
    SharedDialogs& Shared() { return m_session.TheEditor().Dialogs(); }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    EditorSession m_session;
    HistoryWatch m_historyWatch{m_session.TheEditor()};
    QStringList m_errors;
    QStringList m_questions;
    QStringList m_fileRequests;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
    std::optional<QString> m_pickedFile;
};
