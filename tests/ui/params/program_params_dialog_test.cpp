#include "ui/params/params_dialog_fixture.h"

#include "platform/code_page.h"
#include "ui/button_editor/button_editor.h"
#include "ui/controls/sr_gradient.h"
#include "ui/help/context_help.h"
#include "ui/help/help_viewer.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QComboBox>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

namespace {

QStringList TabCaptions(const QTabWidget* tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    return captions;
}

} // namespace

class ProgramParamsDialogTest : public ParamsDialogFixture {
protected:
    QCheckBox* Box(const char* name) { return Child<QCheckBox>(name); }
    QRadioButton* Radio(const char* name) { return Child<QRadioButton>(name); }
    QSlider* Slider(const char* name) { return Child<QSlider>(name); }
    void Ok() { Click("OkButton"); }
};

TEST_F(ProgramParamsDialogTest, HasSevenTabsAndTheFixedControls)
{
    Start();
    Open();
    EXPECT_EQ(Dialog().windowTitle(), "Program Parameters:");
    EXPECT_EQ(Dialog().size(), QSize(430, 261));
    EXPECT_EQ(TabCaptions(Child<QTabWidget>("PageControl1")),
              QStringList({"Program", "Backgrounds", "Sounds", "Form", "About", "Extensions - AutoAction",
                           "Defaults"}));
    auto* ok = Child<QPushButton>("OkButton");
    auto* cancel = Child<QPushButton>("CancelButton");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->font().bold());
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_GT(ok->x(), Dialog().width() / 2);
    EXPECT_LT(cancel->x(), Dialog().width() / 2);
    EXPECT_GT(ok->y(), Dialog().height() / 2);
    EXPECT_EQ(Child("IconEdit")->toolTip(), "Icon filename");
    EXPECT_EQ(Child("SoundOverEdit")->toolTip(), "Default sound for MouseOver");
    EXPECT_EQ(Child("SoundClickEdit")->toolTip(), "Default sound for MouseClick");
    EXPECT_EQ(Child("UnAssProgEdit")->toolTip(), "Default - If Ext isnt ascociated then run THIS");
    EXPECT_EQ(Child("NotFoundProgEdit")->toolTip(), "Default - If Ext isnt ascociated then run THIS");
    EXPECT_EQ(Child("UnAssParamEdit")->toolTip(), "... with this param ;-) (like notepad your-comp-iz-too-lame.txt)");
    EXPECT_EQ(Child<QLabel>("ShowRightLabel")->text(), "Right");
    EXPECT_TRUE(Radio("ShowRight")->text().isEmpty());
    EXPECT_EQ(Slider("CloseSpeed")->minimum(), 1);
    EXPECT_EQ(Slider("CloseSpeed")->maximum(), 5);
    EXPECT_EQ(Slider("CloseSpeed")->tickPosition(), QSlider::TicksBelow);
}

TEST_F(ProgramParamsDialogTest, FillsEveryFieldAndOkWritesThemBackUnchanged)
{
    Start("[MAIN]\r\nProgram=Demo\r\nCompany=ACME\r\nIconFile=i.ico\r\nbackground=b.bmp\r\nbackover=o.bmp\r\n"
          "backclick=c.bmp\r\nSoundOver=o.wav\r\nSoundClick=c.wav\r\nOnLoadSound=l.wav\r\nSizeX=300\r\nSizeY=180\r\n"
          "HideBorder=1\r\nHandCursor=1\r\nSimpleEsc=1\r\nScrollStart=4\r\nScrollStartSpeed=3\r\nScrollEnd=2\r\n"
          "ScrollEndSpeed=5\r\nDefUnAssExtProg=n.exe\r\nDefUnAssExtParam=-x\r\nDefNotFoundProg=f.exe\r\n"
          "[TextInfo]\r\nDefaultFile=d.rtf\r\n");
    const MainParams before = Main();
    Open();
    EXPECT_EQ(Child("TitleEdit")->text(), "Demo");
    EXPECT_EQ(Child("CompanyEdit")->text(), "ACME");
    EXPECT_EQ(Child("BackClickEdit")->text(), "c.bmp");
    EXPECT_EQ(Child("SizeYEdit")->text(), "180");
    EXPECT_EQ(Child("DefaultTextEdit")->text(), "d.rtf");
    EXPECT_TRUE(Box("HideBorderCheck")->isChecked());
    EXPECT_TRUE(Radio("ShowRight")->isChecked());
    EXPECT_TRUE(Radio("CloseBottom")->isChecked());
    EXPECT_EQ(Slider("ShowSpeed")->value(), 3);
    Ok();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Main(), before);
    EXPECT_EQ(TheEditor().Project().TextInfo.DefaultFile, "d.rtf");
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
}

TEST_F(ProgramParamsDialogTest, OkAppliesTypedValuesAndCancelDropsThem)
{
    Start();
    Open();
    Retype("TitleEdit", "Other");
    Retype("DefaultTextEdit", "x.rtf");
    Click("CancelButton");
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Main().Title, "Demo");

    Open(6);
    EXPECT_EQ(Child("DefaultTextEdit")->text(), "help\\default.rtf");
    Retype("DefaultTextEdit", "x.rtf");
    QTest::keyClick(Child("DefaultTextEdit"), Qt::Key_Escape);
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(TheEditor().Project().TextInfo.DefaultFile, "help\\default.rtf");

    Open(6);
    Retype("DefaultTextEdit", "x.rtf");
    Retype("UnAssParamEdit", "/q");
    Ok();
    EXPECT_EQ(TheEditor().Project().TextInfo.DefaultFile, "x.rtf");
    EXPECT_EQ(Main().DefUnAssExtParam, "/q");
}

// Choosing a code page shows the stored bytes anew; OK keeps it for the
// project, Cancel puts the one before back.
TEST_F(ProgramParamsDialogTest, TheCodePageChoiceShowsTheTextsAnewAndOkKeepsIt)
{
    struct Restore {
        ~Restore() { CodePage::Select(CodePage::DefaultFor(QLocale::system())); }
    } restore;
    Start("[MAIN]\r\nProgram=M\xF9j disk\r\nSizeX=320\r\nSizeY=200\r\n");
    ASSERT_EQ(CodePage::Name(), "windows-1252");
    Open();
    auto* combo = Child<QComboBox>("CodePageCombo");
    EXPECT_EQ(combo->currentText(), "windows-1252");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    ASSERT_EQ(combo->currentText(), "windows-1250");
    EXPECT_EQ(Child("TitleEdit")->text(), QStringLiteral("Můj disk"));
    Click("CancelButton");
    EXPECT_EQ(CodePage::Name(), "windows-1252");
    EXPECT_TRUE(TheEditor().Project().CodePage.isEmpty());

    Open();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    Ok();
    EXPECT_EQ(TheEditor().Project().CodePage, "windows-1250");
    EXPECT_EQ(Main().Title, "M\xF9j disk") << "the bytes stay as they are";
    EXPECT_TRUE(m_session.Main().windowTitle().contains(QStringLiteral("Můj disk")));
}

TEST_F(ProgramParamsDialogTest, AnimationBoxesGuardTheirDirectionsAndCodeBothWays)
{
    Start();
    Open(3);
    // ScrollStart 3 is "Left"; ScrollEnd 0 leaves AnimClose unticked, its directions closed.
    EXPECT_TRUE(Box("AnimShowCheck")->isChecked());
    EXPECT_TRUE(Radio("ShowLeft")->isChecked());
    EXPECT_FALSE(Box("AnimCloseCheck")->isChecked());
    for (const char* name : {"CloseTop", "CloseBottom", "CloseLeft", "CloseRight"}) {
        EXPECT_FALSE(Radio(name)->isChecked()) << name;
        EXPECT_FALSE(Radio(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Child<QLabel>("CloseRightLabel")->isEnabled());
    // Ticked with no direction: "Top".
    Click("AnimCloseCheck");
    EXPECT_TRUE(Radio("CloseTop")->isChecked());
    EXPECT_TRUE(Radio("CloseBottom")->isEnabled());
    QTest::mouseClick(Child<QLabel>("CloseRightLabel"), Qt::LeftButton);
    EXPECT_TRUE(Radio("CloseRight")->isChecked()) << "the label is the button's caption";
    Click("AnimShowCheck");
    EXPECT_FALSE(Radio("ShowTop")->isEnabled());
    Ok();
    EXPECT_EQ(Main().ScrollEnd, 4);
    EXPECT_EQ(Main().ScrollStart, 0);
    EXPECT_EQ(Main().ScrollStartSpeed, 2);

    // Unticked at the next opening, but "Left" from the earlier one is still checked.
    Open(3);
    EXPECT_FALSE(Box("AnimShowCheck")->isChecked());
    EXPECT_TRUE(Radio("ShowLeft")->isChecked());
    Click("AnimShowCheck");
    EXPECT_TRUE(Radio("ShowLeft")->isChecked());
    Ok();
    EXPECT_EQ(Main().ScrollStart, 3);
}

TEST_F(ProgramParamsDialogTest, EnterPressesOkButNotInTheExtensionEdits)
{
    Start();
    Open(ProgramParamsDialog::ExtensionsPage);
    auto* list = Child<QTreeWidget>("ListView1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    for (const char* edit : {"ExtEdit", "ActionEdit"}) {
        Retype(edit, ".ogg");
        QTest::keyClick(Child(edit), Qt::Key_Return);
        EXPECT_TRUE(Dialog().isVisible()) << edit;
    }
    EXPECT_EQ(list->topLevelItem(0)->text(0), ".OGG");
    EXPECT_EQ(list->topLevelItem(0)->text(1), ".ogg");

    Child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    Retype("TitleEdit", "Entered");
    QTest::keyClick(Child("TitleEdit"), Qt::Key_Enter);
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Main().Title, "Entered");
}

TEST_F(ProgramParamsDialogTest, OkShowsTheNewTitleInTheMainWindowAtOnce)
{
    Start();
    Open();
    Retype("TitleEdit", "Fresh");
    Retype("CompanyEdit", "Firm");
    Ok();
    EXPECT_EQ(m_session.Main().ShownCaption(), "*Firm Fresh") << "with the modified mark";
    EXPECT_EQ(m_session.Main().windowIconText(), "Fresh");
}

// The help of a modal dialog is of use only if it can be read while the dialog waits.
TEST_F(ProgramParamsDialogTest, F1HelpOfTheModalDialogOpensInFrontAndTakesInput)
{
    Start();
    m_session.Main().show();
    struct Seen {
        QWindow* Owner = nullptr;
        QString Searched;
        bool DialogOpen = false;
    } seen;
    QTimer::singleShot(0, &Dialog(), [&] {
        QTest::keyClick(Child("TitleEdit"), Qt::Key_F1);
        HelpViewer& help = m_session.Help();
        auto* search = help.findChild<QLineEdit*>("HelpSearch");
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, search->mapTo(&help, search->rect().center()));
        for (char key : QByteArray("tolerance"))
            QTest::keyClick(help.windowHandle(), key);
        seen = {help.windowHandle()->transientParent(), search->text(), Dialog().isVisible()};
        Dialog().reject();
    });
    TheEditor().ShowParamsDialog(0);
    EXPECT_EQ(seen.Owner, Dialog().windowHandle()) << "the window manager keeps it above the dialog";
    EXPECT_EQ(seen.Searched, "tolerance");
    EXPECT_TRUE(seen.DialogOpen);
}

TEST_F(ProgramParamsDialogTest, SpeedsOutsideOneToFiveOpenAtTheBound)
{
    Start("[MAIN]\r\nSizeX=320\r\nSizeY=200\r\nScrollStartSpeed=0\r\nScrollEndSpeed=9\r\n");
    Open(3);
    EXPECT_EQ(Slider("ShowSpeed")->value(), 1);
    EXPECT_EQ(Slider("CloseSpeed")->value(), 5);
    Ok();
    EXPECT_EQ(Main().ScrollStartSpeed, 1);
    EXPECT_EQ(Main().ScrollEndSpeed, 5);
}

TEST_F(ProgramParamsDialogTest, MinimizeKeyShowsSimpleEscBothWays)
{
    Start();
    for (bool simple : {true, false, true}) {
        Main().SimpleEsc = simple;
        Open(3);
        EXPECT_EQ(Radio("EscRadio")->isChecked(), simple);
        EXPECT_EQ(Radio("ShiftEscRadio")->isChecked(), !simple);
        Ok();
        EXPECT_EQ(Main().SimpleEsc, simple);
    }
    Open(3);
    Click("ShiftEscRadio");
    Ok();
    EXPECT_FALSE(Main().SimpleEsc);
}

TEST_F(ProgramParamsDialogTest, SizeFieldsPutBackTheProjectValueAndClampWhenLeft)
{
    Start();
    Open(3);
    Retype("SizeXEdit", "500");
    Leave("SizeXEdit");
    EXPECT_EQ(Child("SizeXEdit")->text(), "500");
    // Emptied: the project's value, not the last one typed and not 0.
    Retype("SizeXEdit", "");
    EXPECT_EQ(Child("SizeXEdit")->text(), "");
    Leave("SizeXEdit");
    EXPECT_EQ(Child("SizeXEdit")->text(), "320");
    Retype("SizeYEdit", "");
    Leave("SizeYEdit");
    EXPECT_EQ(Child("SizeYEdit")->text(), "200");
    // From 1 to the largest side the loader takes; "12.5" puts back the number before.
    Retype("SizeXEdit", "20000");
    Leave("SizeXEdit");
    EXPECT_EQ(Child("SizeXEdit")->text(), "16384");
    Retype("SizeYEdit", "0");
    Leave("SizeYEdit");
    EXPECT_EQ(Child("SizeYEdit")->text(), "1");
    Retype("SizeXEdit", "1024");
    Retype("SizeYEdit", "768");
    Leave("SizeYEdit");
    Retype("SizeXEdit", "12.5");
    Leave("SizeXEdit");
    EXPECT_EQ(Child("SizeXEdit")->text(), "1024");
    Ok();
    EXPECT_EQ(Main().SizeX, 1024);
    EXPECT_EQ(Main().SizeY, 768);
    EXPECT_EQ(m_session.Main().size(), m_session.Main().WindowSizeFor(1024, 768));
}

TEST_F(ProgramParamsDialogTest, NonIntegerSizeStopsOkAfterTitleAndCompany)
{
    Start();
    Open(3);
    Child("TitleEdit")->setText("New title");
    Child("CompanyEdit")->setText("New company");
    Child("SizeXEdit")->setText("12a");
    Child("DefaultTextEdit")->setText("changed.rtf");
    Child("SoundOverEdit")->setText("changed.wav");
    Box("HideBorderCheck")->setChecked(true);
    Click("CloseTop");
    Child<QPushButton>("OkButton")->click();
    EXPECT_EQ(m_boxes, QStringList({"Error: '12a' is not a valid integer value"}));
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Main().Title, "New title");
    EXPECT_EQ(Main().Company, "New company");
    EXPECT_EQ(Main().SizeX, 320);
    EXPECT_EQ(TheEditor().Project().TextInfo.DefaultFile, "help\\default.rtf");
    EXPECT_TRUE(Main().SoundOver.isEmpty());
    EXPECT_FALSE(Main().HideBorder);
    EXPECT_EQ(Main().ScrollEnd, 0);
}

TEST_F(ProgramParamsDialogTest, ResizingOnOkRedrawsTheCanvasItRecreated)
{
    Start();
    Open(3);
    Retype("SizeXEdit", "700");
    Ok();
    EXPECT_EQ(m_session.Main().size(), m_session.Main().WindowSizeFor(700, 200));
    const QImage& canvas = TheEditor().Canvas().Image();
    ASSERT_EQ(canvas.size(), QSize(700, 200));
    // The button's frame is back on the new bitmap.
    EXPECT_NE(canvas.pixel(10, 10), canvas.pixel(11, 10));
}

TEST_F(ProgramParamsDialogTest, AboutPageShowsTheVersionOnTheGradientAndOpensTheHomePage)
{
    Start();
    Open(4);
    auto* gradient = Dialog().findChild<TSRGradient*>("SRGradient1");
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->size(), QSize(410, 25));
    EXPECT_EQ(gradient->Direction(), TGradDirection::gdDownRight);
    EXPECT_EQ(gradient->EndColor(), TEndColor::ecWhite);
    EXPECT_EQ(gradient->StartColor(), TStartColor::scGray);
    EXPECT_EQ(gradient->StepWidth(), 1);
    EXPECT_EQ(gradient->Style(), TGradStyle::gsVertical);
    EXPECT_EQ(Child<QLabel>("VersionLabel")->text(), "v1.4.0");
    auto* link = Child<QToolButton>("HomePageButton");
    EXPECT_TRUE(link->autoRaise());
    EXPECT_EQ(link->text(), ProgramParamsDialog::HomePage);

    QStringList opened;
    bool opens = true;
    Dialog().SetUrlOpener([&](const QString& address) {
        opened << address;
        return opens;
    });
    Click("HomePageButton");
    EXPECT_EQ(opened, QStringList({ProgramParamsDialog::HomePage}));
    EXPECT_TRUE(m_boxes.isEmpty());
    opens = false;
    Click("HomePageButton");
    EXPECT_EQ(m_boxes, QStringList({"Chyba: Program START \"" + ProgramParamsDialog::HomePage + "\" nebyl nalezen"}));
}

TEST_F(ProgramParamsDialogTest, ParametersAndQuestionButtonOpenTheDialogModallyOnTheirPages)
{
    Start();
    m_session.Main().show();
    auto* params = m_session.Main().findChild<QPushButton*>("ParametersButton");
    auto* about = m_session.Buttons().findChild<QToolButton*>("SpeedButton1");
    ASSERT_NE(params, nullptr);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(params->isEnabled());
    EXPECT_TRUE(about->isEnabled());
    struct Seen {
        bool Modal = false;
        int Page = -1;
        QString Title;
    };
    auto openWith = [&](QAbstractButton* button) {
        Seen seen;
        QTimer::singleShot(0, &Dialog(), [&] {
            seen.Modal = QApplication::activeModalWidget() == &Dialog();
            seen.Page = Child<QTabWidget>("PageControl1")->currentIndex();
            seen.Title = Child("TitleEdit")->text();
            Dialog().reject();
        });
        button->click();
        return seen;
    };
    Main().Title = "Refilled";
    Child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    const Seen fromMain = openWith(params);
    EXPECT_TRUE(fromMain.Modal);
    EXPECT_EQ(fromMain.Page, 0);
    EXPECT_EQ(fromMain.Title, "Refilled");
    const Seen fromEditor = openWith(about);
    EXPECT_TRUE(fromEditor.Modal);
    EXPECT_EQ(fromEditor.Page, 4);
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(ProgramParamsDialogTest, F1FindsTheHelpContextOfEachGroup)
{
    Start();
    const std::pair<const char*, int> contexts[] = {
        {"TitleEdit", 410},        {"IconEdit", 3010},         {"BackOverEdit", 220},
        {"OnLoadSoundEdit", 420},  {"SoundClickEdit", 430},    {"SizeXEdit", 440},
        {"ShowTop", 3310},         {"CloseSpeed", 3320},       {"UnAssParamEdit", 2130},
        {"ListView1", 2120},       {"ExtEdit", 2110},          {"DefaultTextEdit", 350},
        {"NotFoundProgEdit", 350}, {"HomePageButton", 350},
    };
    for (const auto& [name, context] : contexts)
        EXPECT_EQ(ContextHelp::ContextOf(Dialog().findChild<QWidget*>(name)), context) << name;
}

TEST_F(ProgramParamsDialogTest, EveryContextOfTheDialogOpensItsOwnTopic)
{
    Start();
    for (int context : {350, 410, 3010, 220, 420, 430, 440, 3310, 3320, 2110, 2120, 2130, 1610, 1620}) {
        m_session.Help().ShowContext(context);
        const QString topic = m_session.Help().CurrentTopic();
        EXPECT_TRUE(topic.startsWith("Hlp_ProgramParams") || topic.startsWith("Hlp_ExtActions")) << context;
        QFile page(QStringLiteral(VYX_HELP_DIR "/") + topic.section('#', 0, 0) + ".html");
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << topic.toStdString();
        const QString anchor = topic.section('#', 1);
        if (!anchor.isEmpty())
            EXPECT_TRUE(page.readAll().contains("name=\"" + anchor.toUtf8() + "\"")) << topic.toStdString();
    }
}

TEST_F(ProgramParamsDialogTest, F1OnTheListsMenuOpensTheItemsTopic)
{
    Start();
    Open(ProgramParamsDialog::ExtensionsPage);
    auto* menu = Dialog().findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(menu, nullptr);
    menu->popup(Dialog().mapToGlobal(QPoint(20, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(menu->actions()[1]);
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_EQ(m_session.Help().CurrentTopic(), "Hlp_ExtActions#delete");
    menu->hide();
}
