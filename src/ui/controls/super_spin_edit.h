#pragma once
#include "ui/controls/case_mode.h"
#include "ui/controls/flat_line_edit.h"

class TSuperSpinButton;

// An integer entry field with an up/down button pair and the flat edit's
// keyboard, focus and border behaviour. Typing accepts only digits, signs and
// the decimal separator; every keystroke raises textChanged, so handlers see
// every intermediate text. The range is enforced by the arrows and when the
// focus leaves (MinValue == MaxValue: no range).
class TSuperSpinEditI : public TFlatLineEdit {
    Q_OBJECT
public:
    explicit TSuperSpinEditI(QWidget* parent = nullptr);

    // Empty text gives 0; text that is no whole number ("-", "12.5") the number
    // the field held before the user typed; otherwise the number
    // unclamped, one too long for an int pulled to the nearer end.
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
    // Title case here starts a word only at the start or after a blank.
    TCaseMode CaseMode() const { return m_caseMode; }
    void SetCaseMode(TCaseMode mode) { m_caseMode = mode; }
    // Office2k through SetOffice2k, which also makes room for the buttons.
    void SetOffice2k(bool on);
    TSuperSpinButton* Buttons() const { return m_buttons; }
    // The font's height plus its share of the system font and the borders.
    int MinimumFieldHeight() const;

    void UpClick();
    void DownClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The text normalised and clamped before Exited.
    void Leaving() override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int ValueOf(const QString& whole) const;
    int Clamp(int value) const;
    void Step(qint64 delta);
    // Whether a typed character may reach the field (it beeps otherwise).
    bool AcceptsCharacter(QChar c) const;
    bool AllowsCutAndPaste() const;
    // Characters after Enter-as-Tab and the read-only beep: case mode, then validity.
    void TypeCharacter(QKeyEvent* event, QChar typed);
    void LayoutButtons();
    void ClampOnceMore();

    TSuperSpinButton* m_buttons = nullptr;
    TCaseMode m_caseMode = cmTitleCase;
    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    QString m_lastWhole = QStringLiteral("0"); // put back when the field is left holding no number
    bool m_editorEnabled = true;
};
