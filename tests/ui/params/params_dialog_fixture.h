#pragma once
#include "ui/params/program_params_dialog.h"
#include "ui/support_session.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>

// A whole editor started on a small project, its Program Parameters dialog
// filled and shown (not modally, so a test can drive it and look at it).
class ParamsDialogFixture : public ::testing::Test, public SessionFixture {
protected:
    static const QByteArray Menu;

    ParamsDialogFixture();

    void Start(const QByteArray& ini = Menu);
    // Fills the dialog and shows it on a page, as the opening does, but without a modal run.
    void Open(int page = 0);

    ProgramParamsDialog& Dialog() { return m_session.Params(); }
    MainParams& Main() { return TheEditor().Project().Main; }
    template <typename T = QLineEdit>
    T* Child(const char* name)
    {
        T* child = Dialog().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(const char* name);
    void Retype(const char* name, const QString& text);
    // Moves the focus from a field of the Form page to its "Hide Border" box.
    void Leave(const char* name);

    // Answers the next file dialogs with `chosen`, recording what each was asked.
    void Answer(std::optional<QString> chosen);

    QList<OpenFileRequest> m_requests;
    QStringList m_boxes; // "caption: text" of every error box
};
