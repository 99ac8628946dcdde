#include "ui/button_editor/button_editor_fixture.h"

#include <QPushButton>
#include <QTest>
#include <QToolTip>

namespace {

const QString Programs = "Programs|*.exe;*.com;*.pif;*.lnk|All files|*.*";
const QString Sounds = "WAV|*.wav|All|*.*";

struct PickerCase {
    const char* Button;
    const char* Box;
    QString Title;
    QString Filter;
    bool StartsInProjectFolder;
    Text MenuButton::*Field;
};

} // namespace

class ButtonEditorPickerTest : public ButtonEditorFixture {
protected:
    ButtonEditorPickerTest()
    {
        m_editor.SetIniFileName("/tmp/x/launcher.ini");
        UseButton(0, 10, 10, 40, 20, "Picked");
        Load(0);
    }

    // Answers the next dialogs with `chosen`, recording what each was asked.
    void Answer(std::optional<QString> chosen)
    {
        m_editor.Dialogs().SetFileAnswerer([this, chosen](const OpenFileRequest& request) {
            m_requests << request;
            return chosen;
        });
    }

    void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }

    QList<OpenFileRequest> m_requests;
};

TEST_F(ButtonEditorPickerTest, EachPickerStoresTheNameRelativeToTheProject)
{
    const PickerCase cases[] = {
        {"PickExecuting", "Edit4", "Executing program...", Programs, false, &MenuButton::Params},
        {"PickTextFile", "Edit7", "Help file...", "RTF docs|*.rtf|TXT docs|*.txt|All files|*.*", true,
         &MenuButton::LoadInfo},
        {"PickSoundOver", "Edit9", "Sound file: Mouse OVER", Sounds, true, &MenuButton::SoundOver},
        {"PickSoundClick", "Edit10", "Sound file: Mouse Clicked", Sounds, true, &MenuButton::SoundClick},
        {"PickUnAssExt", "Edit11", "UnAss Program...", Programs, false, &MenuButton::UnAssExt},
        {"PickNotFound", "Edit12", "NotFound file...", Programs, false, &MenuButton::OnNotFound},
    };
    Answer("/tmp/x/sub/file.dat");
    for (const PickerCase& picker : cases) {
        m_requests.clear();
        m_editor.Dialogs().OpenFile().InitialDir = "/elsewhere";
        Click(picker.Button);

        ASSERT_EQ(m_requests.size(), 1) << picker.Button;
        EXPECT_EQ(m_requests[0].Title, picker.Title);
        EXPECT_EQ(m_requests[0].Filter, picker.Filter);
        EXPECT_EQ(m_requests[0].InitialDir, picker.StartsInProjectFolder ? "/tmp/x" : "/elsewhere");
        // A folder set for the dialog is cleared again; one set elsewhere is left alone.
        EXPECT_EQ(m_editor.Dialogs().OpenFile().InitialDir, picker.StartsInProjectFolder ? "" : "/elsewhere");
        EXPECT_EQ(Slot(0).*picker.Field, "sub\\file.dat") << picker.Button;
        EXPECT_EQ(Child(picker.Box)->text(), "sub\\file.dat");
    }
    EXPECT_EQ(ListRows().value(0), QStringList({"0", "Picked", "sub\\file.dat", "", "sub\\file.dat"}));
}

TEST_F(ButtonEditorPickerTest, ProgramPickerProposesTheShellVerbOfTheExtension)
{
    Answer("/tmp/x/setup.exe");
    Click("PickExecuting");
    EXPECT_EQ(Slot(0).Params, "setup.exe");
    EXPECT_EQ(Slot(0).ShellRunAction, "Open");

    Answer("/tmp/x/music/Song.mp3");
    Click("PickExecuting");
    EXPECT_EQ(Slot(0).Params, "music\\Song.mp3");
    EXPECT_EQ(Slot(0).ShellRunAction, "Play");

    // No row for .BAT: the verb stays as it was.
    Answer("/tmp/x/setup.bat");
    Click("PickExecuting");
    EXPECT_EQ(Slot(0).Params, "setup.bat");
    EXPECT_EQ(Slot(0).ShellRunAction, "Play");

    // A name outside the project folder is stored whole; the list is consulted as it is now.
    m_editor.ExtActions().SetActionText(8, "RunAs");
    Answer("/opt/tools/tool.EXE");
    Click("PickExecuting");
    EXPECT_EQ(Slot(0).Params, "/opt/tools/tool.EXE");
    EXPECT_EQ(Slot(0).ShellRunAction, "RunAs");

    // Other pickers propose nothing.
    Answer("/tmp/x/other.exe");
    Click("PickUnAssExt");
    EXPECT_EQ(Slot(0).ShellRunAction, "RunAs");
}

TEST_F(ButtonEditorPickerTest, CancellingChangesNothingButKeepsTheStartingFolder)
{
    Slot(0).LoadInfo = "keep.rtf";
    Load(0);
    const MenuButton before = Slot(0);
    Answer(std::nullopt);

    Click("PickTextFile");
    EXPECT_EQ(Slot(0), before);
    EXPECT_EQ(Child("Edit7")->text(), "keep.rtf");

    // The folder set for the cancelled dialog is where the next picker starts.
    Click("PickExecuting");
    ASSERT_EQ(m_requests.size(), 2);
    EXPECT_EQ(m_requests[1].InitialDir, "/tmp/x");
    EXPECT_EQ(Slot(0), before);
}

// The default code page windows-1252 has no "ů" or "ř": such a character is
// not taken, typed or in a picked name, and the user is told which one.
TEST_F(ButtonEditorPickerTest, ACharacterTheCodePageCannotHoldIsRefusedTypedOrPicked)
{
    ASSERT_TRUE(ShowActive());
    Child("Edit1")->selectAll();
    // keyClicks knows Latin-1 keys only; these are keys whose text is the letter.
    for (const QChar c : QStringLiteral("Můj disk"))
        QTest::sendKeyEvent(QTest::Click, Child("Edit1"), Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(Child("Edit1")->text(), "Mj disk");
    EXPECT_EQ(Slot(0).Name, "Mj disk");
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("\"ů\""))) << QToolTip::text().toStdString();

    Answer(QStringLiteral("/tmp/x/zavřít.rtf"));
    Click("PickTextFile");
    EXPECT_EQ(Child("Edit7")->text(), "");
    EXPECT_EQ(Slot(0).LoadInfo, "");
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors[0].contains(QStringLiteral("\"ř\"")) && m_errors[0].contains("Code page"))
        << m_errors[0].toStdString();
}
