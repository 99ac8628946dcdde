#pragma once
#include "ui/controls/case_mode.h"
#include "ui/controls/flat_edit_behaviour.h"

#include <QLineEdit>

// A single-line edit with the flat look: the focus colour, Enter acting as Tab,
// and typed characters passed through CaseMode (title case by default).
class TSuperEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TSuperEdit(QWidget* parent = nullptr);

    TCaseMode CaseMode() const { return m_caseMode; }
    void SetCaseMode(TCaseMode mode) { m_caseMode = mode; }
    // CursorEndField, ColorOnFocus, EnterLikeTab, ArrowLikeTab, Office2k.
    FlatEditBehaviour& Flat() { return m_flat; }
    // The colour the edit is designed with, and shows while it does not have the focus.
    void SetColor(const QColor& color) { m_flat.SetDesignedColor(color); }

signals:
    void Entered();
    void Exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FlatEditBehaviour m_flat;
    TCaseMode m_caseMode = cmTitleCase;
};
