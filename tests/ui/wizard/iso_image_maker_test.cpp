// "Make ISO image..." on the wizard's last page: the image file asked for, the
// disc's project checked first, xorriso run under a progress dialog.
#include "model/logging_project_view.h"
#include "model/project_loader.h"
#include "platform/iso_image_writer.h"
#include "support/iso_listing.h"
#include "ui/controls/super_edit.h"
#include "ui/wizard/autorun_wizard_fixture.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

namespace {

class WizardIsoImage : public AutorunWizardTest {
protected:
    void SetUp() override
    {
        if (!IsoImageWriter::XorrisoAvailable())
            GTEST_SKIP() << "xorriso is not installed (scripts/install-deps.sh installs it)";
        m_answer = QMessageBox::No;
        // Whether to save autorun.inf first is asked apart from the check's question.
        Dialogs().SetQuestionAnswerer(
            [this](const QString& text, const QString& caption, QMessageBox::StandardButtons buttons) {
                if (text == u"autorun.inf is not saved yet. Save it first?") {
                    m_saveQuestions << caption + ": " + text;
                    return m_saveAnswer;
                }
                m_questions << caption + ": " + text;
                m_questionButtons = buttons;
                return m_answer;
            });
    }

    // Page 8 with the CD root typed on page 1, then the button.
    void MakeImage(const QString& cdRoot)
    {
        Child<TSuperEdit>("CDroot1")->setText(cdRoot);
        GoTo(8);
        Click("MakeIsoImage");
    }
    // autorun.inf starts the player in "Launcher", whose launcher.ini has an error.
    void BreakTheDiscsProject()
    {
        m_disc.Write("autorun.inf", "[autorun]\r\nopen=launcher\\launcher.exe\r\n");
        m_disc.Write("Launcher/launcher.ini", "[MAIN]\r\nbackground=gone.jpg\r\n");
    }
    QString Image() const { return m_out.File("disc.iso"); }

    TempFolder m_out;
    QMessageBox::StandardButtons m_questionButtons;
    QStringList m_saveQuestions;
    QMessageBox::StandardButton m_saveAnswer = QMessageBox::No; // the image of the disc as it is
};

TEST_F(WizardIsoImage, TheButtonSitsOnTheLastPageOnly)
{
    auto* button = Child<QPushButton>("MakeIsoImage");
    EXPECT_EQ(button->text(), QStringLiteral("Make ISO image..."));
    EXPECT_FALSE(button->isVisible());
    GoTo(8);
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("FinishButton")->isVisible());
}

TEST_F(WizardIsoImage, TheDemoBecomesAnImageWithEveryFile)
{
    const QString demo = QStringLiteral(VYX_DEMO_DIR);
    LoggingProjectView view;
    LoadProject(m_editor.Project(), demo + "/launcher.ini", view);
    m_editor.SetIniFileName(demo + "/launcher.ini");
    QDir::setCurrent(m_disc.Path());
    m_picked = Image();
    MakeImage(demo + u'/');

    ASSERT_EQ(m_requests.size(), 1);
    EXPECT_EQ(m_requests[0].Title, QStringLiteral("Make ISO image"));
    EXPECT_EQ(m_requests[0].Filter, QStringLiteral("ISO images (*.iso)|*.iso|All (*.*)|*.*"));
    EXPECT_EQ(m_requests[0].FileName, QStringLiteral("demo.iso")); // from the volume label "DEMO"
    EXPECT_EQ(m_requests[0].InitialDir, QFileInfo(demo).absolutePath());
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(m_questions, QStringList()); // the demo's project has no errors
    EXPECT_EQ(m_messages, QStringList({"Make ISO image: ISO image written: " + Image()}));
    const QStringList listing = JolietListing(Image());
    EXPECT_GE(listing.size(), 15);
    EXPECT_TRUE(listing.contains("help/welcome.rtf"));
    EXPECT_EQ(listing, FolderListing(demo));
    EXPECT_FALSE(m_out.Exists("disc.iso.part"));
    EXPECT_EQ(m_wizard.findChild<QProgressDialog*>(), nullptr); // gone with the run
}

TEST_F(WizardIsoImage, ErrorsInTheProjectAutorunNamesAskFirstAndNoWritesNothing)
{
    BreakTheDiscsProject();
    m_picked = Image();
    MakeImage(Root());
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].startsWith("Make ISO image: The project has errors:")) << m_questions[0].toStdString();
    EXPECT_TRUE(m_questions[0].contains("error [MAIN] background: File not found: gone.jpg"));
    EXPECT_TRUE(m_questions[0].endsWith("Make the ISO image anyway?"));
    EXPECT_EQ(m_questionButtons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(QFileInfo::exists(Image()));
    EXPECT_FALSE(QFileInfo::exists(Image() + ".part"));
    EXPECT_EQ(m_messages, QStringList());

    m_answer = QMessageBox::Yes;
    Click("MakeIsoImage");
    EXPECT_EQ(m_questions.size(), 2);
    EXPECT_TRUE(JolietListing(Image()).contains("Launcher/launcher.ini"));
    EXPECT_EQ(m_messages, QStringList({"Make ISO image: ISO image written: " + Image()}));
}

TEST_F(WizardIsoImage, WithoutAutorunTheProjectBeingEditedIsChecked)
{
    m_editor.Project().Main.BackgroundFile = "missing.bmp";
    m_editor.SetIniFileName(m_disc.File("Launcher/launcher.ini"));
    m_picked = Image();
    MakeImage(Root());
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].contains("error [MAIN] background: File not found: missing.bmp"))
        << m_questions[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(Image()));
}

TEST_F(WizardIsoImage, AnImageInsideTheCdRootIsRefusedBeforeTheCheck)
{
    BreakTheDiscsProject();
    m_picked = m_disc.File("Launcher/disc.iso");
    MakeImage(Root());
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors[0].contains("must not lie inside the CD root")) << m_errors[0].toStdString();
    EXPECT_TRUE(m_errors[0].contains(*m_picked));
    EXPECT_EQ(m_questions, QStringList());
    EXPECT_FALSE(m_disc.Exists("Launcher/disc.iso"));
    EXPECT_EQ(m_messages, QStringList());
}

TEST_F(WizardIsoImage, CancelStopsXorrisoAndKeepsTheOlderImage)
{
    m_out.Write("disc.iso", "older");
    bool cancelled = false;
    // The progress dialog exists once the file is chosen; its first events cancel it.
    Dialogs().SetFileAnswerer([this, &cancelled](const OpenFileRequest&) {
        QTimer::singleShot(0, &m_wizard, [this, &cancelled] {
            auto* progress = m_wizard.findChild<QProgressDialog*>(QStringLiteral("IsoProgress"));
            ASSERT_NE(progress, nullptr);
            EXPECT_TRUE(progress->isVisible());
            EXPECT_EQ(progress->labelText(), "Writing " + Image());
            EXPECT_EQ(progress->windowTitle(), QStringLiteral("Make ISO image"));
            EXPECT_GE(progress->width(), 360);
            progress->cancel();
            cancelled = true;
        });
        return std::optional<QString>(Image());
    });
    MakeImage(Root());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(m_questions, QStringList());
    EXPECT_EQ(m_out.Read("disc.iso"), QByteArray("older"));
    EXPECT_FALSE(m_out.Exists("disc.iso.part"));
    EXPECT_EQ(m_messages, QStringList());
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(WizardIsoImage, AutorunNotSavedYetIsOfferedFirst)
{
    m_picked = Image();
    m_answer = QMessageBox::Yes; // the fixture's project has no background
    m_saveAnswer = QMessageBox::Cancel;
    MakeImage(Root());
    EXPECT_EQ(m_saveQuestions, QStringList{"vyx autorun wizard: autorun.inf is not saved yet. Save it first?"});
    EXPECT_TRUE(m_requests.isEmpty()) << "Cancel stops before the image file is asked for";

    m_saveAnswer = QMessageBox::No;
    Click("MakeIsoImage");
    EXPECT_FALSE(m_disc.Exists("autorun.inf"));
    EXPECT_FALSE(JolietListing(Image()).contains("autorun.inf")) << "No: the image of the disc as it is";

    m_saveAnswer = QMessageBox::Yes;
    Click("MakeIsoImage");
    EXPECT_EQ(m_disc.Read("autorun.inf"),
              QByteArray("[autorun]\r\nopen=launcher\\launcher.exe\r\nicon=launcher\\launcher.exe,0\r\n"));
    EXPECT_TRUE(JolietListing(Image()).contains("autorun.inf"));
    Click("MakeIsoImage");
    EXPECT_EQ(m_saveQuestions.size(), 3) << "once saved, nothing is asked";
}

TEST_F(WizardIsoImage, NoFileChosenOrNoCdRootWritesNothing)
{
    MakeImage(Root()); // the dialog cancelled
    EXPECT_EQ(m_requests.size(), 1);
    EXPECT_EQ(m_messages, QStringList());
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(QDir(m_out.Path()).entryList(QDir::Files), QStringList());

    m_picked = Image();
    GoTo(1);
    MakeImage(QString());
    EXPECT_EQ(m_requests.size(), 1);
    EXPECT_EQ(m_messages,
              QStringList({"vyx autorun wizard: Choose the CD root folder first: the image is made of it."}));
    EXPECT_FALSE(QFileInfo::exists(Image()));
}

} // namespace
