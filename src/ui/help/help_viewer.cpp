#include "ui/help/help_viewer.h"

#include "ui/help/help_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)),
      m_folder(HelpFolder(QCoreApplication::applicationDirPath()))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("-= Vyx eDIT =- help"));
    resize(520, 480);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setSearchPaths({m_folder});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    QFile topics(m_folder + QStringLiteral("/topics.txt"));
    if (topics.open(QIODevice::ReadOnly))
        m_topics.Parse(topics.readAll());
}

void HelpViewer::ShowTopic(const QString& topic)
{
    m_current = topic;
    const QString page = topic.section(u'#', 0, 0) + QStringLiteral(".html");
    const QString anchor = topic.section(u'#', 1);
    m_browser->setSource(HelpPageUrl(m_folder, page, anchor));
    show();
    raise();
    activateWindow();
}

void HelpViewer::ShowContext(int context)
{
    const QString topic = m_topics.TopicOfContext(context);
    ShowTopic(topic.isEmpty() ? QStringLiteral("Hlp_MainForm_") : topic);
}
