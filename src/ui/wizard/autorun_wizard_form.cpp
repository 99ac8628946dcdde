#include "ui/wizard/autorun_wizard_form.h"

#include "model/autorun_disc.h"
#include "ui/controls/progress.h"
#include "ui/controls/super_edit.h"
#include "ui/controls/super_memo.h"
#include "ui/controls/super_spin_edit.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {

constexpr int ClientWidth = 484;
constexpr int ClientHeight = 232;
constexpr int PageTop = 24;
constexpr int PageHeight = 176;
// The editor's own context numbers: the wizard's pages follow its window's.
constexpr int WizardHelpContext = 9030;

template <typename W>
W* Place(W* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, const QRect& geometry, const QString& name = {})
{
    auto* label = Place(new QLabel(text, parent), name, geometry);
    label->setWordWrap(true);
    return label;
}

QPushButton* PlaceButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = Place(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false); // Enter belongs to the edits, which move on like Tab
    return button;
}

// A "..": Enter presses it while it has the focus, as Space does (an auto-default
// button is the dialog's default only while focused).
QPushButton* PlaceBrowseButton(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* button = Place(new QPushButton(QStringLiteral(".."), parent), name, geometry);
    button->setAutoDefault(true);
    return button;
}

QCheckBox* PlaceCheck(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return Place(new QCheckBox(caption, parent), name, geometry);
}

TSuperEdit* PlaceEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {})
{
    auto* edit = Place(new TSuperEdit(parent), name, geometry);
    edit->setText(text);
    return edit;
}

TSuperMemo* PlaceMemo(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* memo = Place(new TSuperMemo(parent), name, geometry);
    memo->setReadOnly(true);
    memo->SetColor(memo->palette().color(QPalette::Button));
    return memo;
}

QLabel* PlaceColorLabel(QWidget* parent, const QString& name, int x)
{
    auto* label = Place(new QLabel(parent), name, QRect(x, 118, 60, 16));
    label->setToolTip(QStringLiteral("Clear color"));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

void MakeBold(QLabel* label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

} // namespace

const QList<const char*>& AutorunWizardForm::TabNames()
{
    static const QList<const char*> names = {"CD Root", "AutoRunDir", "Vyx", "Splash",
                                             "SplashDelay", "review", "Icon", "autorun"};
    return names;
}

const QList<const char*>& AutorunWizardForm::PageTitles()
{
    static const QList<const char*> titles = {"CD Root", "vyx folder", "Files exists check",
                                              "Splash progress bar", "Splash image & delay",
                                              "command line review", "CD icon", "autorun.inf"};
    return titles;
}

void AutorunWizardForm::Build(QDialog* dialog)
{
    dialog->setFixedSize(ClientWidth, ClientHeight);
    Pages = Place(new QStackedWidget(dialog), QStringLiteral("PageControl1"),
                  QRect(0, PageTop, ClientWidth, PageHeight));
    BuildRootPage(AddPage(0));
    BuildFolderPage(AddPage(1));
    BuildCheckPage(AddPage(2));
    BuildSplashBarPage(AddPage(3));
    BuildSplashImagePage(AddPage(4));
    BuildReviewPage(AddPage(5));
    BuildIconPage(AddPage(6));
    BuildAutorunPage(AddPage(7));
    BuildNavigation(dialog);
    dialog->setProperty("helpContext", WizardHelpContext);
}

QWidget* AutorunWizardForm::AddPage(int index)
{
    auto* page = new QWidget(Pages);
    page->setObjectName(QString::fromLatin1(TabNames()[index]));
    page->setProperty("helpContext", WizardHelpContext + 1 + index);
    Pages->addWidget(page);
    return page;
}

void AutorunWizardForm::BuildNavigation(QDialog* dialog)
{
    Title = Place(new QLabel(dialog), QStringLiteral("PageTitle"), QRect(0, 0, ClientWidth, PageTop));
    Title->setAutoFillBackground(true);
    Title->setBackgroundRole(QPalette::Dark);
    Title->setForegroundRole(QPalette::BrightText);
    Title->setIndent(8);
    MakeBold(Title);
    Position = PlaceLabel(dialog, QString(), QRect(96, 208, 40, 16), QStringLiteral("PagePosition"));
    Quit = PlaceButton(dialog, QStringLiteral("QuitButton"), QStringLiteral("&Quit"), QRect(8, 204, 80, 24));
    Back = PlaceButton(dialog, QStringLiteral("BackButton"), QStringLiteral("< &Back"), QRect(300, 204, 84, 24));
    Next = PlaceButton(dialog, QStringLiteral("NextButton"), QStringLiteral("> &Next"), QRect(392, 204, 84, 24));
    Finish = PlaceButton(dialog, QStringLiteral("FinishButton"), QStringLiteral("> &Finish"), QRect(392, 204, 84, 24));
}

void AutorunWizardForm::BuildRootPage(QWidget* page)
{
    PlaceLabel(page, QStringLiteral("CD root folder"), QRect(16, 24, 200, 16));
    CDroot1 = PlaceEdit(page, QStringLiteral("CDroot1"), QRect(16, 44, 416, 22));
    CDroot1->SetCaseMode(cmNormal); // Linux names are case-sensitive
    BrowseCDroot = PlaceBrowseButton(page, QStringLiteral("CDrootBrowse"), QRect(436, 44, 30, 22));
    PlaceLabel(page, QStringLiteral("Select CD root folder. All files (include launcher) must be on this"),
               QRect(16, 80, 450, 32));
}

void AutorunWizardForm::BuildFolderPage(QWidget* page)
{
    PlaceLabel(page, QStringLiteral("Vyx Launcher directory"), QRect(16, 12, 200, 16));
    VyxRoot1 = PlaceEdit(page, QStringLiteral("VyxRoot1"), QRect(16, 30, 416, 22), QStringLiteral("launcher\\"));
    BrowseVyxRoot = PlaceBrowseButton(page, QStringLiteral("VyxRootBrowse"), QRect(436, 30, 30, 22));
    PlaceLabel(page, QStringLiteral("Disk path: "), QRect(16, 60, 64, 16));
    vyxRootStat = PlaceLabel(page, QString(), QRect(80, 60, 390, 30), QStringLiteral("vyxRootStat"));
    MakeBold(vyxRootStat);
    FolderNotExists = Place(new QGroupBox(QStringLiteral("Folder not exists"), page), QStringLiteral("GroupNotExists"),
                            QRect(16, 96, 300, 52));
    CreateNow = PlaceButton(FolderNotExists, QStringLiteral("CreateNow"), QStringLiteral("Create it now"),
                            QRect(10, 20, 120, 24));
    CreateAtEnd = PlaceCheck(FolderNotExists, QStringLiteral("CreateAtEnd"), QStringLiteral("Create it at end"),
                             QRect(142, 22, 150, 20));
    CreateAtEnd->setChecked(true);
    FolderNotExists->hide();
}

void AutorunWizardForm::BuildCheckPage(QWidget* page)
{
    LocPath = PlaceLabel(page, QString(), QRect(16, 8, 450, 30), QStringLiteral("LocPath"));
    CheckListBox1 = Place(new QListWidget(page), QStringLiteral("CheckListBox1"), QRect(16, 40, 200, 84));
    for (const QString& name : PlayerFiles()) {
        auto* item = new QListWidgetItem(name, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    Recheck = PlaceButton(page, QStringLiteral("Recheck"), QStringLiteral("Recheck"), QRect(230, 40, 90, 24));
    PlaceLabel(page, QStringLiteral("Note: launcher.exe must be in this path."), QRect(16, 132, 450, 16));
}

void AutorunWizardForm::BuildSplashBarPage(QWidget* page)
{
    HideSplash = PlaceCheck(page, QStringLiteral("HideSplash"), QStringLiteral("Hide splash screen"), QRect(16, 8, 200, 20));
    HideBar = PlaceCheck(page, QStringLiteral("HideBar"), QStringLiteral("Hide progress bar"), QRect(16, 30, 200, 20));
    Progress1 = Place(new TProgress(page), QStringLiteral("Progress1"), QRect(16, 60, 221, 21));
    Progress1->SetBorderColor(Qt::black);
    Progress1->SetFromColor(QColor(255, 255, 0));
    Progress1->SetText(QStringLiteral("| sample | sample | sample |"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias); // a bitmap font's crisp text, kept whole by the bar
    Progress1->SetTextFont(font);
    Progress1->SetProgress(100);
    LeftColor = PlaceButton(page, QStringLiteral("LeftColor"), QStringLiteral("Left color"), QRect(48, 90, 72, 24));
    TextColor = PlaceButton(page, QStringLiteral("TextColor"), QStringLiteral("text color"), QRect(124, 90, 72, 24));
    RightColor = PlaceButton(page, QStringLiteral("RightColor"), QStringLiteral("right color"), QRect(200, 90, 72, 24));
    PlaceLabel(page, QStringLiteral("RGB:"), QRect(16, 118, 30, 16));
    Lcol = PlaceColorLabel(page, QStringLiteral("Lcol"), 56);
    Tcol = PlaceColorLabel(page, QStringLiteral("Tcol"), 132);
    Rcol = PlaceColorLabel(page, QStringLiteral("Rcol"), 208);
    PlaceLabel(page, QStringLiteral("click on RGB value to reset"), QRect(16, 140, 300, 16));
}

void AutorunWizardForm::BuildSplashImagePage(QWidget* page)
{
    CustomSplash = PlaceCheck(page, QStringLiteral("CustomSplash"), QStringLiteral("Custom splash image"),
                              QRect(16, 8, 200, 20));
    EditSplash = PlaceEdit(page, QStringLiteral("EditSplash"), QRect(32, 30, 400, 22), QStringLiteral("splash.bmp"));
    BrowseSplash = PlaceBrowseButton(page, QStringLiteral("SplashBrowse"), QRect(436, 30, 30, 22));
    EditSplash->setEnabled(false);
    BrowseSplash->setEnabled(false);
    PlaceLabel(page, QStringLiteral("Default is \"splash.bmp\" at folder with launcher.ini"), QRect(32, 56, 430, 16));
    Delay = PlaceCheck(page, QStringLiteral("Delay"), QStringLiteral("Delay until show main window"),
                       QRect(16, 90, 260, 20));
    PlaceLabel(page, QStringLiteral("wait"), QRect(32, 116, 30, 16));
    SpinEditDelay = Place(new TSuperSpinEditI(page), QStringLiteral("SpinEditDelay"), QRect(64, 112, 80, 24));
    SpinEditDelay->SetMaxValue(10000);
    SpinEditDelay->SetIncrement(200);
    SpinEditDelay->setEnabled(false);
    PlaceLabel(page, QStringLiteral("ms"), QRect(150, 116, 30, 16));
}

void AutorunWizardForm::BuildReviewPage(QWidget* page)
{
    CommandLine = PlaceMemo(page, QStringLiteral("Memo1"), QRect(16, 8, 450, 100));
    TestRun = PlaceButton(page, QStringLiteral("TestRun"), QStringLiteral("Test &Run"), QRect(16, 116, 90, 24));
}

void AutorunWizardForm::BuildIconPage(QWidget* page)
{
    PlaceLabel(page, QStringLiteral("Icon file"), QRect(16, 12, 200, 16));
    EditIconFile = PlaceEdit(page, QStringLiteral("EditIconFile"), QRect(16, 30, 416, 22));
    BrowseIcon = PlaceBrowseButton(page, QStringLiteral("IconBrowse"), QRect(436, 30, 30, 22));
    PlaceLabel(page, QStringLiteral("icon index (for .ico files is 0)"), QRect(16, 66, 200, 16));
    SpinICOindex = Place(new TSuperSpinEditI(page), QStringLiteral("SpinICOindex"), QRect(220, 62, 80, 24));
}

void AutorunWizardForm::BuildAutorunPage(QWidget* page)
{
    Preview = PlaceMemo(page, QStringLiteral("Memo2"), QRect(16, 8, 450, 100));
    PlaceLabel(page, QStringLiteral("Click Finish to save autorun.inf"), QRect(16, 116, 300, 16));
    MakeIso = PlaceButton(page, QStringLiteral("MakeIsoImage"), QStringLiteral("Make ISO image..."),
                          QRect(346, 114, 120, 24));
    WriteWebPage = PlaceCheck(page, QStringLiteral("WriteWebPage"), QStringLiteral("Also write index.html at the CD root"),
                              QRect(16, 140, 300, 20));
}
