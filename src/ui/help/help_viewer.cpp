#include "ui/help/help_viewer.h"

#include "ui/help/help_folder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_search(new QLineEdit), m_contents(new QListWidget),
      m_browser(new QTextBrowser), m_folder(HelpFolder(QCoreApplication::applicationDirPath()))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("-= Vyx eDIT =- help"));
    resize(720, 480);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setClearButtonEnabled(true);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setSearchPaths({m_folder});

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_contents);
    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 520});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    QFile topics(m_folder + QStringLiteral("/topics.txt"));
    if (topics.open(QIODevice::ReadOnly))
        m_topics.Parse(topics.readAll());
    FillContents();
    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::Search);
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
}

void HelpViewer::FillContents()
{
    m_pages.Load(m_folder);
    for (const HelpContents::Page& page : m_pages.Pages()) {
        auto* item = new QListWidgetItem(page.title, m_contents);
        item->setData(Qt::UserRole, page.name);
    }
}

// Rows stay in contents order; those without every word of the query are hidden.
void HelpViewer::Search(const QString& query)
{
    for (int row = 0; row < m_contents->count(); ++row)
        m_contents->item(row)->setHidden(!m_pages.Matches(m_pages.Pages().at(row), query));
}

void HelpViewer::ShowTopic(const QString& topic)
{
    m_current = topic;
    const QString page = topic.section(u'#', 0, 0) + QStringLiteral(".html");
    const QString anchor = topic.section(u'#', 1);
    m_browser->setSource(HelpPageUrl(m_folder, page, anchor));
    FollowModalDialog();
    show();
    raise();
    activateWindow();
}

void HelpViewer::FollowModalDialog()
{
    const QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->windowHandle() : nullptr;
    // X11 window managers keep only dialog-type windows above the window they belong to.
    const Qt::WindowType type = owner ? Qt::Dialog : Qt::Window;
    if (windowType() == type && windowHandle() && windowHandle()->transientParent() == owner)
        return;
    // Whether a window is blocked is worked out when it is shown.
    hide();
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | type);
    createWinId();
    windowHandle()->setTransientParent(owner);
}

void HelpViewer::ShowContext(int context)
{
    const QString topic = m_topics.TopicOfContext(context);
    ShowTopic(topic.isEmpty() ? QStringLiteral("Hlp_MainForm_") : topic);
}
