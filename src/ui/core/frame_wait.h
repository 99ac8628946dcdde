#pragma once
#include <QEvent>
#include <QMargins>
#include <QWidget>

// A window manager frames a window only once it is mapped: before the first
// show a window's outer size is its client size. A window that places itself
// by its outer size waits for the frame and places itself again then.
class FrameWait {
public:
    // Waits when the window has no frame yet.
    void Arm(const QWidget& window) { m_armed = !Framed(window); }
    // True once, at the first show or geometry event after Arm that finds the window framed.
    bool FramedNow(const QWidget& window, const QEvent& event)
    {
        const QEvent::Type type = event.type();
        if (!m_armed || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) || !Framed(window))
            return false;
        m_armed = false;
        return true;
    }

    static QMargins FrameOf(const QWidget& window)
    {
        const QRect outer = window.frameGeometry();
        const QRect client = window.geometry();
        return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                outer.bottom() - client.bottom()};
    }

private:
    static bool Framed(const QWidget& window) { return window.frameGeometry().size() != window.size(); }

    bool m_armed = false;
};
