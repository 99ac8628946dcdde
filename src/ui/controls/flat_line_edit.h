#pragma once
#include "ui/controls/flat_edit_behaviour.h"

#include <QLineEdit>

// A single-line field with the flat edit's focus rule: entering it (Tab, a
// click; not a window coming back after a message box) raises Entered and
// selects the text, with the caret at its end when CursorEndField; really
// leaving it runs Leaving and then raises Exited.
class TFlatLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatLineEdit(QWidget* parent = nullptr);

    // CursorEndField, ColorOnFocus, EnterLikeTab, ArrowLikeTab, Office2k.
    FlatEditBehaviour& Flat() { return m_flat; }
    // The colour the field is designed with, and shows while it does not have the focus.
    void SetColor(const QColor& color) { m_flat.SetDesignedColor(color); }

signals:
    // The user entered the field (OnEnter).
    void Entered();
    // The focus left the field (OnExit).
    void Exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // What a field does to its text when the focus leaves, before Exited.
    virtual void Leaving() {}

    FlatEditBehaviour m_flat;
};
