#pragma once
#include <QList>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QWidget;
class TProgress;
class TSuperEdit;
class TSuperMemo;
class TSuperSpinEditI;

// The wizard's controls and their fixed places: eight pages in a page control
// whose tab row is hidden, the page title and position, and the buttons that
// move between the pages.
struct AutorunWizardForm {
    static constexpr int PageCount = 8;

    void Build(QDialog* dialog);

    QStackedWidget* Pages = nullptr;
    QLabel* Title = nullptr;
    QLabel* Position = nullptr;
    QPushButton* Next = nullptr;
    QPushButton* Back = nullptr;
    QPushButton* Finish = nullptr;
    QPushButton* Quit = nullptr;
    // 1: CD root
    TSuperEdit* CDroot1 = nullptr;
    QPushButton* BrowseCDroot = nullptr;
    // 2: launcher folder
    TSuperEdit* VyxRoot1 = nullptr;
    QPushButton* BrowseVyxRoot = nullptr;
    QLabel* vyxRootStat = nullptr;
    QGroupBox* FolderNotExists = nullptr;
    QPushButton* CreateNow = nullptr;
    QCheckBox* CreateAtEnd = nullptr;
    // 3: presence check
    QLabel* LocPath = nullptr;
    QListWidget* CheckListBox1 = nullptr;
    QPushButton* Recheck = nullptr;
    // 4: splash progress bar
    QCheckBox* HideSplash = nullptr;
    QCheckBox* HideBar = nullptr;
    TProgress* Progress1 = nullptr;
    QPushButton* LeftColor = nullptr;
    QPushButton* TextColor = nullptr;
    QPushButton* RightColor = nullptr;
    QLabel* Lcol = nullptr;
    QLabel* Tcol = nullptr;
    QLabel* Rcol = nullptr;
    // 5: splash image and delay
    QCheckBox* CustomSplash = nullptr;
    TSuperEdit* EditSplash = nullptr;
    QPushButton* BrowseSplash = nullptr;
    QCheckBox* Delay = nullptr;
    TSuperSpinEditI* SpinEditDelay = nullptr;
    // 6: command line review
    TSuperMemo* CommandLine = nullptr;
    QPushButton* TestRun = nullptr;
    // 7: CD icon
    TSuperEdit* EditIconFile = nullptr;
    QPushButton* BrowseIcon = nullptr;
    TSuperSpinEditI* SpinICOindex = nullptr;
    // 8: autorun.inf
    TSuperMemo* Preview = nullptr;
    QPushButton* MakeIso = nullptr;
    QCheckBox* WriteWebPage = nullptr;

    // Titles as the page control's tabs name them, and the bold title bars.
    static const QList<const char*>& TabNames();
    static const QList<const char*>& PageTitles();

private:
    QWidget* AddPage(int index);
    void BuildNavigation(QDialog* dialog);
    void BuildRootPage(QWidget* page);
    void BuildFolderPage(QWidget* page);
    void BuildCheckPage(QWidget* page);
    void BuildSplashBarPage(QWidget* page);
    void BuildSplashImagePage(QWidget* page);
    void BuildReviewPage(QWidget* page);
    void BuildIconPage(QWidget* page);
    void BuildAutorunPage(QWidget* page);
};
