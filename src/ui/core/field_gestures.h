#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class QLineEdit;
class QWidget;

// The gestures of the text fields, for every window at once (an application
// event filter): keystrokes in one field are one gesture, which ends when the
// field is left (the focus goes elsewhere, also to another window; not to a
// popup menu) or Enter is released in it. A field being typed in keeps its own
// Ctrl+Z / Ctrl+Shift+Z / Ctrl+Y for its text until then; otherwise those keys
// go past it to the editor's Undo and Redo.
class FieldGestures : public QObject {
    Q_OBJECT
public:
    using Ended = std::function<void()>;

    explicit FieldGestures(Ended ended, QObject* parent = nullptr);
    ~FieldGestures() override;

    // A line edit, or an editable text box: a field with an undo of its own.
    static bool IsTextField(const QObject* object);
    // Whether the focused field was typed in since it took the focus (or since Enter).
    bool Typing() const { return m_typed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusChanged(QWidget* old, QWidget* now);
    void FieldEnded();

    Ended m_ended;
    QPointer<QObject> m_field;
    QMetaObject::Connection m_edits;
    bool m_typed = false;
    bool m_popupLeave = false; // the focus last left a field for a popup
};
