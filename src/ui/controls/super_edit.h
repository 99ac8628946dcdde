#pragma once
#include "ui/controls/case_mode.h"
#include "ui/controls/flat_line_edit.h"

// A single-line edit with the flat look: the focus colour, Enter acting as Tab,
// and typed characters passed through CaseMode (title case by default).
class TSuperEdit : public TFlatLineEdit {
    Q_OBJECT
public:
    explicit TSuperEdit(QWidget* parent = nullptr);

    TCaseMode CaseMode() const { return m_caseMode; }
    void SetCaseMode(TCaseMode mode) { m_caseMode = mode; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCaseMode m_caseMode = cmTitleCase;
};
