#include "ui/main/design_canvas_widget.h"

#include "model/button_drag.h"
#include "ui/core/button_commands.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/canvas_context_menu.h"
#include "ui/main/canvas_drop.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

namespace {

ShiftState ShiftStateOf(const QMouseEvent* event)
{
    ShiftState s;
    s.Left = event->buttons() & Qt::LeftButton;
    s.Right = event->buttons() & Qt::RightButton;
    s.Middle = event->buttons() & Qt::MiddleButton;
    s.Shift = event->modifiers() & Qt::ShiftModifier;
    s.Ctrl = event->modifiers() & Qt::ControlModifier;
    s.Alt = event->modifiers() & Qt::AltModifier;
    return s;
}

} // namespace

DesignCanvasWidget::DesignCanvasWidget(Editor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_overlay(editor)
{
    setObjectName(QStringLiteral("Image"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

QPoint DesignCanvasWidget::MenuPoint(QPointF widgetPosition) const { return m_editor.Zoom().ToMenu(widgetPosition); }

void DesignCanvasWidget::UpdateMenuArea(const QRect& inMenu)
{
    // The frames drawn while zoomed reach a screen pixel past the scaled area.
    update(m_editor.Zoom().ToScreen(inMenu).adjusted(-1, -1, 1, 1));
    emit Shown();
}

void DesignCanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = m_editor.Canvas().Image();
    painter.fillRect(event->rect(), palette().window());
    if (!image.isNull() && m_editor.Zoom().IsActualSize())
        painter.drawImage(event->rect().topLeft(), image, event->rect());
    else if (!image.isNull())
        m_overlay.PaintZoomed(painter, event->rect());
    m_overlay.PaintGrid(painter, event->rect());
    m_overlay.PaintSelection(painter);
    m_overlay.PaintGuides(painter);
}

template <typename F>
void DesignCanvasWidget::Handle(F&& handler)
{
    const QRegion before = m_overlay.Covered();
    Guarded(m_editor.Dialogs(), this, std::forward<F>(handler));
    m_editor.PublishCanvas();
    // The outlines and guides lie outside the rectangles the bitmap marks as changed.
    update(before | m_overlay.Covered());
    emit Shown();
}

void DesignCanvasWidget::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    Handle([&] { Press(event); });
}

void DesignCanvasWidget::Press(const QMouseEvent* event)
{
    MouseEditing& mouse = m_editor.Mouse();
    const QPoint at = MenuPoint(event->position());
    int slot = -1;
    const int sides = event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ControlModifier)
                          ? m_overlay.HandleAt(event->position().toPoint(), &slot)
                          : 0;
    if (sides) {
        m_editor.Buttons().Press(slot, false);
        mouse.PressHandle(at, slot, sides);
        return;
    }
    mouse.Press(at);
    if (event->button() != Qt::LeftButton)
        return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (mouse.OverButton()) {
        m_editor.Buttons().Press(m_editor.CurrentButton(), ctrl);
        // A drag takes the whole selection along.
        mouse.DragAlong(m_editor.Buttons().Selection().Slots());
    } else if (!ctrl) {
        m_editor.Buttons().ClearSelection();
    }
}

void DesignCanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_pointer = MenuPoint(event->position());
    if (!m_editor.Mouse().Dragging())
        ShowHandleCursor(event->position().toPoint());
    Handle([&] { m_editor.Mouse().Move(*m_pointer, ShiftStateOf(event)); });
}

void DesignCanvasWidget::ShowHandleCursor(QPoint onScreen)
{
    int slot = -1;
    switch (m_overlay.HandleAt(onScreen, &slot)) {
    case SideLeft | SideTop:
    case SideRight | SideBottom: setCursor(Qt::SizeFDiagCursor); break;
    case SideRight | SideTop:
    case SideLeft | SideBottom: setCursor(Qt::SizeBDiagCursor); break;
    case SideLeft:
    case SideRight: setCursor(Qt::SizeHorCursor); break;
    case SideTop:
    case SideBottom: setCursor(Qt::SizeVerCursor); break;
    default: unsetCursor();
    }
}

void DesignCanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    {
        const GestureHold hold = m_editor.HoldGestures();
        Handle([&] {
            const int usedBefore = m_editor.Project().UsedButtonCount();
            if (event->modifiers() & Qt::ControlModifier)
                SelectWithBand();
            m_editor.Mouse().Release(MenuPoint(event->position()));
            // A button just drawn is the one selected.
            if (m_editor.Project().UsedButtonCount() > usedBefore)
                m_editor.PickButton(m_editor.CurrentButton());
        });
    }
    // A move, a resize or a new button is one step.
    m_editor.EndGesture();
}

void DesignCanvasWidget::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    emit ZoomRequested(event->position(), event->angleDelta().y() > 0);
    event->accept();
}

void DesignCanvasWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_pointer.reset();
    Handle([this] { m_editor.Mouse().LeavePointer(); });
}

void DesignCanvasWidget::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    // Qt sends no leave to a parent when the pointer enters its child: a window over
    // the canvas (the text area) must end the hover as leaving the canvas does.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool DesignCanvasWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        Handle([this] { m_editor.Mouse().LeavePointer(); });
    return QWidget::eventFilter(watched, event);
}

void DesignCanvasWidget::contextMenuEvent(QContextMenuEvent* event)
{
    CanvasContextMenu* menu = nullptr;
    Handle([&] {
        const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
        menu = CanvasContextMenu::Ask(m_editor, *this, MenuPoint(event->pos()), byKey);
    });
    if (menu)
        menu->popup(event->globalPos());
}

void DesignCanvasWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void DesignCanvasWidget::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    // After the drop returns: the file manager's drag must not wait for the question a drop may ask.
    const QList<QUrl> urls = event->mimeData()->urls();
    const QPoint at = MenuPoint(event->position());
    QMetaObject::invokeMethod(
        this, [this, urls, at] { Handle([&] { CanvasDrop(m_editor, *this).Drop(urls, at); }); }, Qt::QueuedConnection);
}

void DesignCanvasWidget::SelectWithBand()
{
    MouseEditing& mouse = m_editor.Mouse();
    if (!mouse.Drawing())
        return;
    // The band as its frame shows it, both corners inside.
    const QRect band = mouse.Band();
    const bool shown = mouse.BandShown();
    mouse.CancelGesture();
    if (shown)
        m_editor.Buttons().SelectBand(band.topLeft(), band.bottomRight());
}

bool DesignCanvasWidget::event(QEvent* event)
{
    // Tab and Shift+Tab walk the buttons rather than the focus chain.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool backwards = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            Handle([&] { m_editor.Buttons().Walk(backwards); });
            return true;
        }
    }
    return QWidget::event(event);
}

void DesignCanvasWidget::keyPressEvent(QKeyEvent* event)
{
    Handle([&] { PressKey(event); });
}

void DesignCanvasWidget::PressKey(const QKeyEvent* event)
{
    MouseEditing& mouse = m_editor.Mouse();
    if (event->key() == Qt::Key_Escape) {
        if (mouse.Dragging() || mouse.Drawing())
            mouse.CancelGesture();
        else
            m_editor.Buttons().ClearSelection();
        return;
    }
    // Keys during a drag would fight the pointer for the same button.
    if (mouse.Dragging() || mouse.Drawing() || ArrowKey(event))
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !m_editor.Buttons().Selection().IsEmpty())
        m_editor.Buttons().EditCurrent();
}

bool DesignCanvasWidget::ArrowKey(const QKeyEvent* event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    default: return false;
    }
    ButtonCommands& buttons = m_editor.Buttons();
    if (buttons.Selection().IsEmpty())
        return true;
    // Alt, not Ctrl: Ctrl picks buttons with the mouse, and window managers
    // (openbox's defaults among them) take Ctrl+Alt and Shift+Alt arrows, not Alt alone.
    if (event->modifiers() & Qt::AltModifier) {
        buttons.Resize(step.x(), step.y());
        return true;
    }
    const int distance = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    buttons.Move(step.x() * distance, step.y() * distance);
    return true;
}
