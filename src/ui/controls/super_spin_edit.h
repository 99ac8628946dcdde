#pragma once
#include <QLineEdit>

class TSuperSpinButton;

// An integer entry field with an up/down button pair. Typing accepts only
// digits, signs and the decimal separator; every keystroke raises
// textChanged, so handlers see every intermediate text. The range is enforced
// by the arrows and when the focus leaves (MinValue == MaxValue: no range).
class TSuperSpinEditI : public QLineEdit {
    Q_OBJECT
public:
    explicit TSuperSpinEditI(QWidget* parent = nullptr);

    // Empty text gives 0, a non-number MinValue, otherwise the number unclamped.
    int Value() const;
    // Writes the clamped value as text.
    void SetValue(int value);

    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    void SetMinValue(int value) { m_minValue = value; }
    void SetMaxValue(int value) { m_maxValue = value; }
    int Increment() const { return m_increment; }
    void SetIncrement(int value) { m_increment = value; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    void UpClick();
    void DownClick();

signals:
    // The focus left and the text was normalised and clamped.
    void Exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int Clamp(int value) const;
    void Step(qint64 delta);
    // Whether a typed character may reach the field (it beeps otherwise).
    bool AcceptsCharacter(QChar c) const;
    bool AllowsCutAndPaste() const;
    void LayoutButtons();

    TSuperSpinButton* m_buttons = nullptr;
    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
};
