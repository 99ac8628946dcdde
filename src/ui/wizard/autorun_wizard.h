#pragma once
#include "model/autorun_read_back.h"
#include "model/autorun_text.h"
#include "ui/core/window_views.h"
#include "ui/wizard/autorun_wizard_form.h"

#include <QDialog>
#include <cstdint>

class Editor;
class QLabel;
class QWidget;

// "autorun.inf Vyx wizard": eight pages that check the disc folder, compose the
// player's command line and write autorun.inf into the CD root. Created once;
// its page and fields survive closing and reopening.
class AutorunWizard : public QDialog, public AutorunWizardView {
    Q_OBJECT
public:
    explicit AutorunWizard(Editor& editor, QWidget* parent = nullptr);

    // AutorunWizardView: a plain modal show on the page where it was closed.
    void OpenWizard() override;
    QString CdRootFolder() const override { return CdRoot(); }

    int CurrentPage() const; // 0 to 7
    void NextPage();
    void BackPage();
    void Finish();
    // The wizard's values as the autorun text takes them.
    AutorunOptions Options() const;
    QString LauncherParameters() const { return m_launcherParameters; }
    QString LauncherCommandLine() const { return m_launcherCommandLine; }
    const AutorunWizardForm& Form() const { return m_form; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Connect();
    void ConnectPickers();
    void GoToPage(int page);
    void EnterPage(int page);
    void LeavePage(int page);
    void ShowPageFrame(int page);

    QString CdRoot() const;
    QString LauncherPath() const;
    void CdRootChanged();
    void EnterRootPage();
    void LeaveRootPage();
    void LeaveFolderPage();
    void EnterIconPage();
    // The disc's autorun.inf, when the CD root holds one, into the pages.
    void ReadDisc();
    void ShowOptions(const AutorunOptions& options);
    void ShowColor(QLabel* label, const QString& colorText);
    void CheckLauncherFolder();
    void CreateLauncherFolderNow();
    void CheckPlayerFiles();
    void BrowseCdRoot();
    void BrowseLauncher();
    void BrowseSplash();
    void BrowseIcon();
    // The open-file dialog in `startFolder`: the picked local file, or nothing.
    std::optional<QString> PickDiscFile(const QString& title, const QString& filter, const QString& startFolder,
                                        const QString& proposedName = {});
    // A local file as a disc name relative to `referenceFolder`, or nothing (a
    // file off the disc is refused with a message).
    std::optional<QString> DiscName(const QString& file, const QString& referenceFolder);
    // What the pickers do with a picked file or folder, also for one dropped on their fields.
    void UseCdRoot(const QString& folder);
    void DropCdRoot(const QString& path);
    void UseLauncher(const QString& file);
    void UseSplash(const QString& file);
    void UseIcon(const QString& file);
    void ChooseColor(QLabel* label);
    void ClearColor(QLabel* label);
    void ApplyColor(QLabel* label, uint32_t color);
    // What the pages make, or a line of the disc's autorun.inf that they leave as it was.
    QString CommandLineToWrite() const;
    QStringList FileLines() const;
    void BuildCommandLine();
    void BuildPreview();
    void TestRun();
    // False when the user goes back to page 2 rather than write a disc that cannot start.
    bool ConfirmProgramPresent();
    bool ConfirmReplace();
    // False when the user chose not to replace a read-only autorun.inf.
    bool SaveAutorun();
    void MakeIsoImage();
    // False when the user cancels.
    bool OfferToSaveBeforeImage();
    void ShowMessage(const QString& text);

    Editor& m_editor;
    AutorunWizardForm m_form;
    QString m_launcherParameters;
    QString m_launcherCommandLine;
    bool m_cdRootChosen = false;          // typed or browsed: no longer follows the current folder
    std::optional<QString> m_iconFolder;  // the launcher folder the icon file was last set for
    QString m_readRoot;                   // the CD root whose autorun.inf the pages were read from
    std::optional<AutorunReadBack> m_readBack;
};
