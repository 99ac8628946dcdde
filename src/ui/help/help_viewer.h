#pragma once
#include "model/help_topics.h"
#include "ui/core/window_views.h"

#include <QWidget>

class QTextBrowser;

// A small viewer for the editor's help topics, opened by name or context number.
class HelpViewer : public QWidget, public HelpView {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void ShowTopic(const QString& topic) override;
    void ShowContext(int context) override;

    QString CurrentTopic() const { return m_current; }

private:
    QTextBrowser* m_browser;
    QString m_folder;
    HelpTopics m_topics;
    QString m_current;
};
