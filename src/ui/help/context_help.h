#pragma once
#include <QObject>

class Editor;

// F1 anywhere opens the help topic of the focused control, or of the nearest
// parent that names one.
class ContextHelp : public QObject {
    Q_OBJECT
public:
    explicit ContextHelp(Editor& editor, QObject* parent = nullptr);

    static int ContextOf(const QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Editor& m_editor;
};
