#pragma once
#include <QIcon>
#include <QPointer>
#include <QWidget>

class TSuperTimerSpeedButton;

// An up/down pair of auto-repeating buttons. Pressing one moves the keyboard
// focus to FocusControl (the spin edit) or, failing that, to the pair; with the
// focus, Space clicks the focused button and the arrow keys click up or down.
class TSuperSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSuperSpinButton(QWidget* parent = nullptr);

    // A null glyph shows the "SuperSpinUp" / "SuperSpinDown" resource.
    void SetUpGlyph(const QIcon& glyph);
    void SetDownGlyph(const QIcon& glyph);
    QWidget* FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget* control) { m_focusControl = control; }

    TSuperTimerSpeedButton* UpButton() const { return m_upButton; }
    TSuperTimerSpeedButton* DownButton() const { return m_downButton; }
    TSuperTimerSpeedButton* FocusedButton() const { return m_focusedButton; }

signals:
    void UpClick();
    void DownClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TSuperTimerSpeedButton* CreateButton(const QString& name);
    void SetFocusedButton(TSuperTimerSpeedButton* button);
    void TakeFocusOnPress();
    void UpdateFocusRects();
    void LayoutButtons();

    TSuperTimerSpeedButton* m_upButton = nullptr;
    TSuperTimerSpeedButton* m_downButton = nullptr;
    TSuperTimerSpeedButton* m_focusedButton = nullptr;
    QPointer<QWidget> m_focusControl;
};
