#pragma once
#include <QToolButton>

class QTimer;

// A flat button that, with the allow-timer style set, keeps clicking while it
// is held: once after 400 ms, then every 100 ms, and once more when released
// inside. With the focus-rectangle style set it draws a dotted focus frame.
class TSuperTimerSpeedButton : public QToolButton {
    Q_OBJECT
public:
    static constexpr int FirstRepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 100;

    explicit TSuperTimerSpeedButton(QWidget* parent = nullptr);

    bool AllowTimer() const { return m_allowTimer; }
    void SetAllowTimer(bool allow) { m_allowTimer = allow; }
    bool FocusRect() const { return m_focusRect; }
    void SetFocusRect(bool draw);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* RepeatTimer();
    void RepeatTick();
    void StopTimer();

    QTimer* m_repeatTimer = nullptr;  // created on first use, a child of the button
    bool m_allowTimer = false;
    bool m_focusRect = false;
};
