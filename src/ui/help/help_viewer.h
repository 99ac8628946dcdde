#pragma once
#include "model/help_topics.h"
#include "ui/core/window_views.h"
#include "ui/help/help_contents.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// A small viewer for the editor's help topics, opened by name or context number,
// with a contents list that a search field narrows to the topics holding its words.
class HelpViewer : public QWidget, public HelpView {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void ShowTopic(const QString& topic) override;
    void ShowContext(int context) override;

    QString CurrentTopic() const { return m_current; }

private:
    // A modal dialog blocks every window but its own family: opened from one,
    // the viewer becomes the dialog's transient, in front of it and usable.
    void FollowModalDialog();
    void FillContents();
    void Search(const QString& query);

    QLineEdit* m_search;
    QListWidget* m_contents;
    QTextBrowser* m_browser;
    QString m_folder;
    HelpTopics m_topics;
    HelpContents m_pages;
    QString m_current;
};
