#pragma once
#include "ui/controls/flat_edit_behaviour.h"

#include <QPlainTextEdit>

// A multi-line edit with the flat look. Enter acting as Tab moves the focus and
// starts no new line; entering it neither selects nor moves the caret.
class TSuperMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TSuperMemo(QWidget* parent = nullptr);

    FlatEditBehaviour& Flat() { return m_flat; }
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
};
