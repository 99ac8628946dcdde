#include "ui/button_editor/button_editor.h"
#include "ui/check/check_window.h"
#include "model/help_topics.h"
#include "ui/help/context_help.h"
#include "ui/help/help_folder.h"
#include "ui/help/help_viewer.h"
#include "ui/main/button_list_window.h"
#include "ui/main/main_window.h"
#include "ui/params/program_params_dialog.h"
#include "ui/preview/preview_window.h"
#include "ui/shape/shape_window.h"
#include "ui/shape/mask_form.h"
#include "ui/status/status_window.h"
#include "ui/wizard/autorun_wizard.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QPixmap>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

class HelpViewerTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Help\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        m_session.Main().show();
    }
    QString Shown() { return m_session.Help().findChild<QTextBrowser*>("HelpText")->toPlainText(); }
    QListWidget* Contents() { return NamedChild<QListWidget>(m_session.Help(), "HelpContents"); }
    QStringList ListedTitles()
    {
        QStringList titles;
        for (int row = 0; row < Contents()->count(); ++row)
            if (!Contents()->item(row)->isHidden())
                titles << Contents()->item(row)->text();
        return titles;
    }
    void Search(const QString& words)
    {
        auto* search = NamedChild<QLineEdit>(m_session.Help(), "HelpSearch");
        search->clear();
        QTest::keyClicks(search, words);
    }
    void PressF1(QWidget& window, QWidget* control)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_F1);
    }
};

TEST_F(HelpViewerTest, TheHelpButtonOpensTheMainWindowsTopic)
{
    QTest::mouseClick(m_session.Main().findChild<QPushButton*>("HelpButton"), Qt::LeftButton);
    EXPECT_TRUE(m_session.Help().isVisible());
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_MainForm_"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The main window")));
}

TEST_F(HelpViewerTest, F1OpensTheTopicOfTheFocusedControl)
{
    m_session.Buttons().ShowEditor();
    QApplication::setActiveWindow(&m_session.Buttons());
    auto* name = m_session.Buttons().findChild<QLineEdit*>("Edit1");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F1);
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_ButtonEditor#button"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("The button editor")));
}

} // namespace

namespace {

TEST_F(HelpViewerTest, TheWizardsTopicDescribesEveryPage)
{
    TheEditor().ShowHelpTopic(QStringLiteral("Hlp_AutorunWizard#review"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The autorun.inf wizard")));
    for (const char* title : {"1. CD Root", "2. vyx folder", "3. Files exists check", "4. Splash progress bar",
                              "5. Splash image & delay", "6. command line review", "7. CD icon", "8. autorun.inf"})
        EXPECT_TRUE(Shown().contains(QString::fromLatin1(title))) << title;
}

} // namespace

namespace {

TEST_F(HelpViewerTest, TheContentsListEveryTopicAndARowOpensIt)
{
    TheEditor().ShowHelpContext(10);
    const QStringList titles = ListedTitles();
    for (const char* title : {"The main window", "The canvas and the mouse", "The text area", "The button editor",
                              "The buttons list", "The status window", "The mask maker", "The autorun.inf wizard",
                              "How to: a first menu from nothing", "How to: preparing a disc"})
        EXPECT_TRUE(titles.contains(QString::fromLatin1(title))) << title;
    const int row = titles.indexOf(QStringLiteral("The status window"));
    ASSERT_GE(row, 0);
    QListWidgetItem* item = Contents()->item(row);
    QTest::mouseClick(Contents()->viewport(), Qt::LeftButton, {}, Contents()->visualItemRect(item).center());
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_StatusForm"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The status window")));
}

TEST_F(HelpViewerTest, TypingWordsListsOnlyTheTopicsHoldingThemAll)
{
    TheEditor().ShowHelpContext(10);
    const int all = ListedTitles().size();
    Search(QStringLiteral("TOLERANCE"));
    EXPECT_EQ(ListedTitles(), QStringList{QStringLiteral("The mask maker")});
    Search(QStringLiteral("rubber band"));
    EXPECT_EQ(ListedTitles(), (QStringList{QStringLiteral("The main window"), QStringLiteral("The canvas and the mouse")}));
    Search(QStringLiteral("rubber zzzz"));
    EXPECT_TRUE(ListedTitles().isEmpty());
    Search(QString());
    EXPECT_EQ(ListedTitles().size(), all);
}

// Windows the help file never numbered carry the editor's own numbers.
TEST_F(HelpViewerTest, F1OpensTheTopicsOfTheMaskMakerTheWizardAndTheStatusWindow)
{
    PressF1(m_session.Mask(), NamedChild<QWidget>(m_session.Mask(), "Tolerance"));
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_MaskForm"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The mask maker")));

    PressF1(m_session.Wizard(), NamedChild<QWidget>(m_session.Wizard(), "CDroot1"));
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_AutorunWizard#cdroot"));
    PressF1(m_session.Wizard(), NamedChild<QWidget>(m_session.Wizard(), "NextButton"));
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_AutorunWizard"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The autorun.inf wizard")));

    PressF1(m_session.Status(), NamedChild<QWidget>(m_session.Status(), "CloseButton"));
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_StatusForm"));
}

// F1 falls back to the main window's topic for a control that names none, so
// a window that forgot its number would still "work": every control that can
// take the focus must reach a number that the topic list maps.
TEST_F(HelpViewerTest, EveryFocusableControlOfEveryWindowHasATopic)
{
    QFile list(HelpFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/topics.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    HelpTopics topics;
    topics.Parse(list.readAll());
    const QList<QWidget*> windows{&m_session.Main(),  &m_session.Buttons(), &m_session.List(),
                                  &m_session.Params(), &m_session.Shape(),   &m_session.Mask(),
                                  &m_session.Wizard(), &m_session.Status(),  &m_session.Preview(),
                                  &m_session.Check()};
    QStringList without;
    int controls = 0;
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->isWindow())
                continue;
            ++controls;
            if (topics.TopicOfContext(ContextHelp::ContextOf(control)).isEmpty())
                without << window->objectName() + u'/' + control->objectName() + u' ' + control->metaObject()->className();
        }
    }
    EXPECT_GT(controls, 100);
    EXPECT_TRUE(without.isEmpty()) << without.join(u'\n').toStdString();
}

} // namespace

namespace {

// The names the shown page's <img> tags give, in page order.
QStringList ImageNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                names << it.fragment().charFormat().toImageFormat().name();
    return names;
}

// The picture as the viewer loads it for the page, the way it draws it.
QImage LoadedImage(QTextDocument& document, const QString& name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.typeId() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.typeId() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    return QImage::fromData(resource.toByteArray());
}

TEST_F(HelpViewerTest, TheWindowsTopicsShowTheScreenshotsOfTheirWindows)
{
    const QList<std::pair<const char*, QStringList>> expected{
        {"Hlp_MainForm_", {"main-window.png"}},
        {"Hlp_Canvas", {"click-state.png", "canvas-snapping.png", "canvas-menu.png"}},
        {"Hlp_ButtonEditor", {"button-editor.png"}},
        {"Hlp_ButtonList", {"button-editor.png"}},
        {"Hlp_ProgramParams", {"params-program.png", "params-about.png"}},
        {"Hlp_ShapeForm", {"shape-window.png"}},
        {"Hlp_MaskForm", {"mask-maker.png"}},
        {"Hlp_AutorunWizard", {"wizard-page4.png", "wizard-page8.png"}},
        {"Hlp_Preview", {"preview.png"}},
        {"Hlp_Check", {"check-window.png"}},
    };
    auto* browser = NamedChild<QTextBrowser>(m_session.Help(), "HelpText");
    for (const auto& [topic, shots] : expected) {
        TheEditor().ShowHelpTopic(QString::fromLatin1(topic));
        const QStringList names = ImageNames(*browser->document());
        ASSERT_EQ(names.size(), shots.size()) << topic;
        for (int i = 0; i < shots.size(); ++i) {
            EXPECT_EQ(names[i], QStringLiteral("screenshots/") + shots[i]) << topic;
            // The very file the screenshot scripts wrote, not a copy that could drift.
            const QImage original(QStringLiteral(VYX_HELP_DIR "/../screenshots/") + shots[i]);
            ASSERT_FALSE(original.isNull()) << shots[i].toStdString();
            const QImage shown = LoadedImage(*browser->document(), names[i]);
            EXPECT_FALSE(shown.isNull()) << topic << " " << names[i].toStdString();
            EXPECT_EQ(shown.convertToFormat(original.format()), original) << names[i].toStdString();
        }
    }
}

TEST_F(HelpViewerTest, EveryPictureOfEveryTopicLoads)
{
    TheEditor().ShowHelpContext(10);
    auto* browser = NamedChild<QTextBrowser>(m_session.Help(), "HelpText");
    int pictures = 0;
    for (int row = 0; row < Contents()->count(); ++row) {
        TheEditor().ShowHelpTopic(Contents()->item(row)->data(Qt::UserRole).toString());
        for (const QString& name : ImageNames(*browser->document())) {
            ++pictures;
            EXPECT_FALSE(LoadedImage(*browser->document(), name).isNull())
                << m_session.Help().CurrentTopic().toStdString() << " " << name.toStdString();
        }
    }
    EXPECT_GE(pictures, 11);
}

} // namespace
