#include "ui/wizard/autorun_wizard.h"

#include "model/autorun_disc.h"
#include "model/autorun_open_line.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/shell_execute.h"
#include "platform/vyx_error.h"
#include "ui/controls/code_page_guard.h"
#include "ui/controls/file_name_drop.h"
#include "ui/controls/progress.h"
#include "ui/controls/super_edit.h"
#include "ui/controls/super_memo.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/core/color_convert.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/core/read_only_question.h"
#include "ui/wizard/iso_image_maker.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>

namespace {

const QString Caption = QStringLiteral("vyx autorun wizard");

// Red for a folder that does not exist, the palette's own colour otherwise.
void ShowMissing(QWidget* widget, QPalette::ColorRole role, bool missing)
{
    QPalette palette = widget->palette();
    palette.setColor(role, missing ? QColor(Qt::red) : QGuiApplication::palette().color(role));
    widget->setPalette(palette);
}

QString FolderOfDiscName(const QString& discName)
{
    return discName.left(discName.lastIndexOf(u'\\') + 1);
}

// The sample bar's colours when a label is cleared.
const uint32_t DefaultLeft = 0x0000FFFF;  // yellow
const uint32_t DefaultRight = 0x000000FF; // red
const uint32_t DefaultText = 0x00000000;  // black

} // namespace

AutorunWizard::AutorunWizard(Editor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("AutorunWizard"));
    setWindowTitle(QStringLiteral("autorun.inf Vyx wizard"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this);
    MarkLocalPath(m_form.CDroot1);
    GuardProjectTexts(this);
    Connect();
    ConnectPickers();
    ShowPageFrame(0);
}

void AutorunWizard::Connect()
{
    const auto guarded = [this](void (AutorunWizard::*handler)()) {
        return [this, handler] { Guarded(m_editor.Dialogs(), this, [&] { (this->*handler)(); }); };
    };
    connect(m_form.Next, &QPushButton::clicked, this, guarded(&AutorunWizard::NextPage));
    connect(m_form.Back, &QPushButton::clicked, this, guarded(&AutorunWizard::BackPage));
    connect(m_form.Finish, &QPushButton::clicked, this, guarded(&AutorunWizard::Finish));
    connect(m_form.Quit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_form.CDroot1, &QLineEdit::textChanged, this, &AutorunWizard::CdRootChanged);
    connect(m_form.CDroot1, &QLineEdit::textEdited, this, [this] { m_cdRootChosen = true; });
    connect(m_form.VyxRoot1, &QLineEdit::textChanged, this, &AutorunWizard::CheckLauncherFolder);
    connect(m_form.CreateNow, &QPushButton::clicked, this, &AutorunWizard::CreateLauncherFolderNow);
    connect(m_form.Recheck, &QPushButton::clicked, this, &AutorunWizard::CheckPlayerFiles);
    connect(m_form.CustomSplash, &QCheckBox::toggled, m_form.EditSplash, &QWidget::setEnabled);
    connect(m_form.CustomSplash, &QCheckBox::toggled, m_form.BrowseSplash, &QWidget::setEnabled);
    connect(m_form.Delay, &QCheckBox::toggled, m_form.SpinEditDelay, &QWidget::setEnabled);
    connect(m_form.TestRun, &QPushButton::clicked, this, guarded(&AutorunWizard::TestRun));
    connect(m_form.MakeIso, &QPushButton::clicked, this, guarded(&AutorunWizard::MakeIsoImage));
    for (QLabel* label : {m_form.Lcol, m_form.Rcol, m_form.Tcol})
        label->installEventFilter(this);
}

void AutorunWizard::ConnectPickers()
{
    const auto guarded = [this](auto handler) {
        return [this, handler] { Guarded(m_editor.Dialogs(), this, handler); };
    };
    connect(m_form.BrowseCDroot, &QPushButton::clicked, this, guarded([this] { BrowseCdRoot(); }));
    connect(m_form.BrowseVyxRoot, &QPushButton::clicked, this, guarded([this] { BrowseLauncher(); }));
    connect(m_form.BrowseSplash, &QPushButton::clicked, this, guarded([this] { BrowseSplash(); }));
    connect(m_form.BrowseIcon, &QPushButton::clicked, this, guarded([this] { BrowseIcon(); }));
    const std::pair<QLineEdit*, void (AutorunWizard::*)(const QString&)> drops[] = {
        {m_form.CDroot1, &AutorunWizard::DropCdRoot},
        {m_form.VyxRoot1, &AutorunWizard::UseLauncher},
        {m_form.EditSplash, &AutorunWizard::UseSplash},
        {m_form.EditIconFile, &AutorunWizard::UseIcon},
    };
    for (const auto& [field, use] : drops)
        FileNameDrop::Install(field, m_editor.Dialogs(), [this, use = use](const QString& file) { (this->*use)(file); });
    connect(m_form.LeftColor, &QPushButton::clicked, this, guarded([this] { ChooseColor(m_form.Lcol); }));
    connect(m_form.RightColor, &QPushButton::clicked, this, guarded([this] { ChooseColor(m_form.Rcol); }));
    connect(m_form.TextColor, &QPushButton::clicked, this, guarded([this] { ChooseColor(m_form.Tcol); }));
}

void AutorunWizard::OpenWizard()
{
    exec();
}

void AutorunWizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The page shows again, and its entry rule runs, at every opening.
    EnterPage(CurrentPage());
}

int AutorunWizard::CurrentPage() const { return m_form.Pages->currentIndex(); }

void AutorunWizard::NextPage()
{
    if (CurrentPage() < AutorunWizardForm::PageCount - 1)
        GoToPage(CurrentPage() + 1);
}

void AutorunWizard::BackPage()
{
    if (CurrentPage() > 0)
        GoToPage(CurrentPage() - 1);
}

void AutorunWizard::GoToPage(int page)
{
    LeavePage(CurrentPage());
    m_form.Pages->setCurrentIndex(page);
    ShowPageFrame(page);
    EnterPage(page);
}

void AutorunWizard::ShowPageFrame(int page)
{
    m_form.Title->setText(QString::fromLatin1(AutorunWizardForm::PageTitles()[page]));
    m_form.Position->setText(QStringLiteral("(%1/%2)").arg(page + 1).arg(AutorunWizardForm::PageCount));
    const bool last = page == AutorunWizardForm::PageCount - 1;
    m_form.Back->setVisible(page > 0);
    m_form.Next->setVisible(!last);
    m_form.Finish->setVisible(last);
}

void AutorunWizard::EnterPage(int page)
{
    switch (page) {
    case 0:
        EnterRootPage();
        break;
    case 5:
        BuildCommandLine();
        break;
    case 6:
        EnterIconPage();
        break;
    case 7:
        BuildPreview();
        break;
    default:
        break;
    }
}

void AutorunWizard::LeavePage(int page)
{
    if (page == 0)
        LeaveRootPage();
    else if (page == 1)
        LeaveFolderPage();
}

QString AutorunWizard::CdRoot() const { return m_form.CDroot1->text(); }

QString AutorunWizard::LauncherPath() const { return CdRoot() + m_form.VyxRoot1->text(); }

void AutorunWizard::CdRootChanged()
{
    const bool exists = DiscFolderExists(CdRoot());
    ShowMissing(m_form.CDroot1, QPalette::Text, !exists);
    if (exists)
        m_form.vyxRootStat->setText(ShownDiscPath(LauncherPath()));
}

void AutorunWizard::EnterRootPage()
{
    if (!m_cdRootChosen)
        m_form.CDroot1->setText(CurrentFolder());
}

void AutorunWizard::LeaveRootPage()
{
    // An empty CD root stays empty (there is no folder to end with "/").
    m_form.CDroot1->setText(WithTrailingSlash(CdRoot()));
    CheckLauncherFolder();
    if (CdRoot() != m_readRoot)
        ReadDisc();
}

void AutorunWizard::LeaveFolderPage()
{
    const QString folder = LauncherFolderName(m_form.VyxRoot1->text());
    if (folder != m_form.VyxRoot1->text())
        m_form.VyxRoot1->setText(folder);
    CheckPlayerFiles();
}

void AutorunWizard::EnterIconPage()
{
    // The player's own icon, unless the user chose one for this launcher folder.
    if (m_iconFolder == m_form.VyxRoot1->text())
        return;
    m_form.EditIconFile->setText(DefaultIconFile(m_form.VyxRoot1->text()));
    m_iconFolder = m_form.VyxRoot1->text();
}

void AutorunWizard::ReadDisc()
{
    m_readRoot = CdRoot();
    m_readBack = CdRoot().isEmpty() ? std::nullopt : ReadBackAutorun(CdRoot(), Options());
    if (!m_readBack)
        return;
    ShowOptions(m_readBack->Options);
    m_readBack->Options = Options(); // the values as the pages hold them
    m_iconFolder = m_form.VyxRoot1->text();
}

void AutorunWizard::ShowOptions(const AutorunOptions& options)
{
    m_form.VyxRoot1->setText(options.LauncherFolder);
    m_form.HideSplash->setChecked(options.HideSplash);
    m_form.HideBar->setChecked(options.HideBar);
    ShowColor(m_form.Lcol, options.LeftColor);
    ShowColor(m_form.Rcol, options.RightColor);
    ShowColor(m_form.Tcol, options.TextColor);
    m_form.CustomSplash->setChecked(options.CustomSplash);
    m_form.EditSplash->setText(options.SplashFile);
    m_form.Delay->setChecked(options.Delay);
    m_form.SpinEditDelay->SetValue(options.DelayMs);
    m_form.EditIconFile->setText(options.IconFile);
    m_form.SpinICOindex->SetValue(options.IconIndex);
}

void AutorunWizard::ShowColor(QLabel* label, const QString& colorText)
{
    const std::optional<uint32_t> color = ColorOfText(colorText);
    if (!color) {
        ClearColor(label);
        return;
    }
    ApplyColor(label, *color);
    label->setText(colorText);
}

void AutorunWizard::CheckLauncherFolder()
{
    const QString path = LauncherPath();
    const bool exists = !CdRoot().isEmpty() && DiscFolderExists(path);
    m_form.vyxRootStat->setText(ShownDiscPath(path));
    ShowMissing(m_form.vyxRootStat, QPalette::WindowText, !exists);
    m_form.FolderNotExists->setVisible(!exists);
}

void AutorunWizard::CreateLauncherFolderNow()
{
    if (!CdRoot().isEmpty())
        CreateDiscFolder(LauncherPath()); // a failure shows as the group staying visible
    CheckLauncherFolder();
}

void AutorunWizard::CheckPlayerFiles()
{
    QString location = LauncherPath();
    if (!location.endsWith(u'\\'))
        location += u'\\';
    m_form.LocPath->setText(ShownDiscPath(location));
    const QList<bool> present = PlayerFilesPresent(CdRoot().isEmpty() ? QString() : location);
    for (int i = 0; i < present.size(); ++i)
        m_form.CheckListBox1->item(i)->setCheckState(present[i] ? Qt::Checked : Qt::Unchecked);
}

void AutorunWizard::BrowseCdRoot()
{
    const std::optional<QString> folder =
        m_editor.Dialogs().ExecuteFolder(this, QStringLiteral("CD root"), DiscLocalPath(CdRoot()));
    if (folder)
        UseCdRoot(*folder);
}

void AutorunWizard::DropCdRoot(const QString& path)
{
    // The field names a folder; a file dropped there is not taken for the folder holding it.
    if (!QFileInfo(path).isDir())
        throw VyxError(path + QStringLiteral(" is not a folder: drop the folder that becomes the CD root."));
    UseCdRoot(path);
}

void AutorunWizard::UseCdRoot(const QString& folder)
{
    m_form.CDroot1->setText(WithTrailingSlash(folder));
    m_cdRootChosen = true;
}

std::optional<QString> AutorunWizard::PickDiscFile(const QString& title, const QString& filter,
                                                   const QString& startFolder, const QString& proposedName)
{
    OpenFileRequest& request = m_editor.Dialogs().OpenFile();
    request.Title = title;
    request.Filter = filter;
    request.InitialDir = DiscLocalPath(startFolder);
    request.FileName = proposedName;
    request.DefaultExt = proposedName.isEmpty() ? QString() : QStringLiteral("exe");
    const std::optional<QString> picked = m_editor.Dialogs().ExecuteOpenFile(this);
    // The other pickers propose no name.
    request.FileName.clear();
    request.DefaultExt.clear();
    return picked;
}

std::optional<QString> AutorunWizard::DiscName(const QString& file, const QString& referenceFolder)
{
    const std::optional<QString> name = DiscNameOf(file, CdRoot(), referenceFolder);
    if (!name)
        ShowMessage(file + QStringLiteral(" is not inside the CD root ") + CdRoot()
                    + QStringLiteral(". Only files on the disc can be used."));
    else
        CodePage::Require(*name); // autorun.inf would name a file that is not there
    return name;
}

void AutorunWizard::BrowseLauncher()
{
    if (const std::optional<QString> file = PickDiscFile(
            QStringLiteral("Vyx Autorun folder"),
            QStringLiteral("Vyx Launcher (launcher.exe)|launcher.exe|Programs (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|All (*.*)|*.*"),
            CdRoot(), QStringLiteral("launcher.exe")))
        UseLauncher(*file);
}

void AutorunWizard::UseLauncher(const QString& file)
{
    if (const std::optional<QString> name = DiscName(file, CdRoot()))
        m_form.VyxRoot1->setText(FolderOfDiscName(*name));
}

void AutorunWizard::BrowseSplash()
{
    if (const std::optional<QString> file =
            PickDiscFile(QStringLiteral("Splash Image"),
                         QStringLiteral("Images (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|All (*.*)|*.*"), LauncherPath()))
        UseSplash(*file);
}

void AutorunWizard::UseSplash(const QString& file)
{
    if (const std::optional<QString> name = DiscName(file, LauncherPath()))
        m_form.EditSplash->setText(*name);
}

void AutorunWizard::BrowseIcon()
{
    if (const std::optional<QString> file = PickDiscFile(
            QStringLiteral("CD Icon"), QStringLiteral("Icons (*.ico, *.exe, *.dll)|*.ico;*.exe;*.dll|All (*.*)|*.*"),
            LauncherPath()))
        UseIcon(*file);
}

void AutorunWizard::UseIcon(const QString& file)
{
    if (const std::optional<QString> name = DiscName(file, CdRoot()))
        m_form.EditIconFile->setText(*name);
}

void AutorunWizard::ChooseColor(QLabel* label)
{
    const uint32_t current = label == m_form.Lcol ? QColorToColor(m_form.Progress1->FromColor())
                           : label == m_form.Rcol ? QColorToColor(m_form.Progress1->ToColor())
                                                  : m_form.Progress1->TextColor();
    const std::optional<uint32_t> chosen = m_editor.Dialogs().ExecuteColor(this, current);
    if (!chosen)
        return;
    ApplyColor(label, *chosen);
    label->setText(ColorText(*chosen));
}

void AutorunWizard::ClearColor(QLabel* label)
{
    label->clear();
    ApplyColor(label, label == m_form.Lcol ? DefaultLeft : label == m_form.Rcol ? DefaultRight : DefaultText);
}

void AutorunWizard::ApplyColor(QLabel* label, uint32_t color)
{
    TProgress* bar = m_form.Progress1;
    if (label == m_form.Lcol) {
        bar->SetFromColor(ColorToQColor(color));
    } else if (label == m_form.Rcol) {
        bar->SetToColor(ColorToQColor(color));
    } else {
        bar->SetTextColor(color);
        bar->SetProgress(99); // repaints the text at once
        bar->SetProgress(100);
    }
}

bool AutorunWizard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && (label == m_form.Lcol || label == m_form.Rcol || label == m_form.Tcol)) {
            ClearColor(label);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

AutorunOptions AutorunWizard::Options() const
{
    AutorunOptions options;
    options.LauncherFolder = m_form.VyxRoot1->text();
    options.HideSplash = m_form.HideSplash->isChecked();
    options.HideBar = m_form.HideBar->isChecked();
    options.LeftColor = m_form.Lcol->text();
    options.RightColor = m_form.Rcol->text();
    options.TextColor = m_form.Tcol->text();
    options.CustomSplash = m_form.CustomSplash->isChecked();
    options.SplashFile = m_form.EditSplash->text();
    options.Delay = m_form.Delay->isChecked();
    options.DelayMs = m_form.SpinEditDelay->Value();
    options.IconFile = m_form.EditIconFile->text();
    options.IconIndex = m_form.SpinICOindex->Value();
    return options;
}

QString AutorunWizard::CommandLineToWrite() const
{
    return m_readBack ? m_readBack->CommandLine(Options()) : ::LauncherCommandLine(Options());
}

QStringList AutorunWizard::FileLines() const
{
    return m_readBack ? m_readBack->Lines(Options()) : AutorunLines(Options());
}

void AutorunWizard::BuildCommandLine()
{
    m_launcherParameters = ::LauncherParameters(Options());
    m_launcherCommandLine = CommandLineToWrite();
    m_form.CommandLine->setPlainText(m_launcherCommandLine);
}

void AutorunWizard::BuildPreview()
{
    m_form.Preview->setPlainText(FileLines().join(u'\n'));
}

void AutorunWizard::TestRun()
{
    // The player is a Windows program: here it runs through Wine when there is one.
    if (!CanRunWindowsPrograms()) {
        ShowMessage(QStringLiteral("launcher.exe cannot run on this machine: Wine is not installed."));
        return;
    }
    ShellExecuteOpen(DiscLocalPath(LauncherPath() + QStringLiteral("launcher.exe")), m_launcherParameters);
}

void AutorunWizard::Finish()
{
    if (CdRoot().isEmpty()) {
        ShowMessage(QStringLiteral("Choose the CD root folder first: autorun.inf is written into it."));
        return;
    }
    if (!ConfirmProgramPresent() || !ConfirmReplace())
        return;
    if (!SaveAutorun())
        return;
    // The menu as a web page too, for machines that never start the player.
    if (m_form.WriteWebPage->isChecked() && !m_editor.WriteWebPage(this, CdRoot(), CdRoot()))
        return;
    m_editor.Dialogs().ShowInformation(this, QStringLiteral("autorun.inf was saved as ") + AutorunFileName(CdRoot()),
                                       Caption);
    accept();
}

bool AutorunWizard::ConfirmProgramPresent()
{
    const QString program = CommandLineArguments(CommandLineToWrite()).value(0);
    if (QFileInfo(DiscLocalPath(CdRoot() + program)).isFile())
        return true;
    const QString text = QStringLiteral("There is no %1, so the disc will not start. Save autorun.inf anyway?")
                             .arg(ShownDiscPath(CdRoot() + program));
    if (m_editor.Dialogs().Ask(this, text, Caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes)
        return true;
    GoToPage(1);
    return false;
}

bool AutorunWizard::ConfirmReplace()
{
    if (!QFileInfo::exists(DiscLocalPath(AutorunFileName(CdRoot()))) || AutorunFileHolds(CdRoot(), FileLines()))
        return true;
    const QString text = QStringLiteral("%1 differs from this preview. Replace it?").arg(AutorunFileName(CdRoot()));
    return m_editor.Dialogs().Ask(this, text, Caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool AutorunWizard::SaveAutorun()
{
    if (!WriteAskingAboutReadOnly(m_editor.Dialogs(), this,
                                  [this](bool anyway) { WriteAutorunFile(CdRoot(), FileLines(), anyway); }))
        return false;
    if (!DiscFolderExists(LauncherPath()) && m_form.CreateAtEnd->isChecked())
        CreateDiscFolder(LauncherPath());
    return true;
}

void AutorunWizard::MakeIsoImage()
{
    if (CdRoot().isEmpty()) {
        ShowMessage(QStringLiteral("Choose the CD root folder first: the image is made of it."));
        return;
    }
    if (OfferToSaveBeforeImage())
        IsoImageMaker(m_editor, this).Make(CdRoot());
}

bool AutorunWizard::OfferToSaveBeforeImage()
{
    if (AutorunFileHolds(CdRoot(), FileLines()))
        return true;
    const QMessageBox::StandardButton answer =
        m_editor.Dialogs().Ask(this, QStringLiteral("autorun.inf is not saved yet. Save it first?"), Caption,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveAutorun();
    return answer != QMessageBox::Cancel;
}

void AutorunWizard::ShowMessage(const QString& text)
{
    m_editor.Dialogs().ShowInformation(this, text, Caption);
}
