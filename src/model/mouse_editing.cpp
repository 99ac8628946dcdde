#include "model/mouse_editing.h"

#include "model/design_canvas.h"
#include "platform/code_page.h"
#include "platform/file_names.h"

#include <algorithm>
#include <cstdlib>

MouseEditing::MouseEditing(MenuProject& project, DesignCanvas& canvas, MouseEditingHost& host)
    : m_project(project), m_canvas(canvas), m_host(host)
{
}

bool MouseEditing::PointInButton(QPoint at, const MenuButton& b)
{
    // Both edges inclusive: one column and row more than the frame covers. The
    // far edges in 64 bits, as huge stored values must not wrap round.
    return b.Left <= at.x() && at.x() <= int64_t(b.Left) + b.Width && b.Top <= at.y() &&
           at.y() <= int64_t(b.Top) + b.Height;
}

void MouseEditing::Press(QPoint at)
{
    if (!m_dragging && !m_drawing) // not a second mouse button during a gesture
        FollowPointer(at);
    m_anchor = at;
    if (m_overButton) {
        m_canvas.PaintState(Current(), m_project.ClickPicture);
        m_dragging = true;
        m_drag.Start(m_project, {m_currentButton}, 0);
        m_canvas.RedrawButton(Current());
    } else {
        m_dragging = false;
        m_drawing = true;
    }
}

void MouseEditing::PressHandle(QPoint at, int slot, int sides)
{
    Leave();
    m_currentButton = slot;
    m_anchor = at;
    m_drawing = false;
    m_dragging = true;
    m_drag.Start(m_project, {slot}, sides);
}

void MouseEditing::DragAlong(const std::vector<int>& dragged)
{
    if (m_dragging && !m_drag.HandleSides() &&
        std::find(dragged.begin(), dragged.end(), m_currentButton) != dragged.end())
        m_drag.Start(m_project, dragged, 0);
}

void MouseEditing::Move(QPoint at, ShiftState state)
{
    if (m_drawing && !m_dragging)
        DrawBand(at);
    else if (!m_overButton)
        EnterButtonAt(at);
    // A dragged button keeps the pointer however fast it moves; the leave test
    // would otherwise drop it when one move jumps past its edge.
    if (m_dragging)
        Drag(at, state);
    else
        LeaveIfOutside(at);
}

// No move may have come before a press (the first click after a dialog, Shift
// pressed first): without this the press would count as one on empty canvas and
// its release would create a button under the one the user meant.
void MouseEditing::FollowPointer(QPoint at)
{
    LeaveIfOutside(at);
    if (!m_overButton)
        EnterButtonAt(at);
}

void MouseEditing::LeavePointer()
{
    if (!m_dragging)
        Leave();
}

void MouseEditing::CancelGesture()
{
    if (m_dragging)
        m_drag.PutBack(m_project);
    else if (!m_drawing)
        return;
    m_drag.End();
    m_dragging = false;
    m_drawing = false;
    m_host.RedrawCanvas();
}

void MouseEditing::PickButton(int slot)
{
    Leave();
    m_currentButton = slot;
}

// The band rectangle, kept as the corners the frame is drawn between.
void MouseEditing::DrawBand(QPoint at)
{
    if (m_bandShown)
        m_canvas.ToggleFrame(m_band);
    const QPoint topLeft(std::min(m_anchor.x(), at.x()), std::min(m_anchor.y(), at.y()));
    const QPoint bottomRight(std::max(m_anchor.x(), at.x()), std::max(m_anchor.y(), at.y()));
    m_band = QRect(topLeft, bottomRight - QPoint(1, 1));
    m_canvas.ToggleFrame(m_band);
    m_bandShown = true;
}

void MouseEditing::EnterButtonAt(QPoint at)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& b = m_project.Buttons[slot];
        if (b.Used && PointInButton(at, b)) {
            Enter(slot);
            return;
        }
    }
}

void MouseEditing::Enter(int slot)
{
    m_overButton = true;
    m_currentButton = slot;
    MenuButton& b = Current();
    m_canvas.PaintState(b, m_project.OverPicture);
    m_canvas.RedrawButton(b);
    if (!m_host.ClickEditChecked()) {
        m_host.ShowButtonEditor();
        m_host.ShowInButtonEditor();
    }
    ShowHelpText(b);
    if (!m_project.Main.HideBorder)
        m_host.SetCaption(CodePage::ToUnicode(m_project.Main.WindowCaption() + "  " + b.Name));
}

void MouseEditing::ShowHelpText(const MenuButton& b)
{
    const QString name = CodePage::ToUnicode(b.LoadInfo);
    if (name.isEmpty() || name == m_shownTextFile || !StoredFileExists(name))
        return;
    m_shownTextFile = name;
    m_host.ShowTextFile(name);
}

void MouseEditing::LeaveIfOutside(QPoint at)
{
    if (m_overButton && !PointInButton(at, Current()))
        Leave();
}

void MouseEditing::Leave()
{
    if (!m_overButton)
        return;
    m_canvas.PaintState(Current(), m_project.NormalPicture);
    if (Current().Used)
        m_canvas.RedrawButton(Current());
    m_overButton = false;
}

void MouseEditing::Drag(QPoint at, ShiftState state)
{
    ToggleDraggedFrames();
    SnapSettings snapping = m_host.Snapping();
    // Alt held lets the pointer place the buttons exactly.
    snapping.Enabled = snapping.Enabled && !state.Alt;
    m_drag.Follow(m_project, at - m_anchor, DraggedSides(state), snapping);
    m_anchor = at;
    ToggleDraggedFrames();
}

int MouseEditing::DraggedSides(ShiftState state) const
{
    if (!state.Left || state.Right || state.Middle || state.Ctrl)
        return 0;
    if (m_drag.HandleSides())
        return m_drag.HandleSides();
    return state.Shift ? SidesFarCorner : SidesAll;
}

void MouseEditing::ToggleDraggedFrames()
{
    for (int slot : m_drag.Slots())
        m_canvas.RedrawButton(m_project.Buttons[size_t(slot)]);
}

void MouseEditing::Release(QPoint at)
{
    if (m_overButton) {
        if (m_host.ClickEditChecked()) {
            m_host.ShowButtonEditor();
            m_host.ShowInButtonEditor();
        }
    } else if (m_drawing) {
        ReleaseOnEmptyCanvas(at);
    }
    m_dragging = false;
    m_drag.End();
    m_host.RedrawCanvas();
    // A button created, moved or resized shows in the list at once.
    m_host.RefreshButtonListIfShown();
    m_host.ShowInButtonEditor();
}

// A click that barely moves is no drawing: it would make an invisible button
// that takes the next edits and that the next load drops.
void MouseEditing::ReleaseOnEmptyCanvas(QPoint at)
{
    m_bandShown = false;
    m_drawing = false;
    const QPoint travel = at - m_anchor;
    if (std::max(std::abs(travel.x()), std::abs(travel.y())) < MinDrawTravel)
        return;
    const int slot = m_project.ChooseNewButtonSlot();
    if (slot < 0) {
        m_currentButton = MenuProject::SlotCount - 1;
    } else {
        m_currentButton = slot;
        m_project.CreateButton(slot, std::min(m_anchor.x(), at.x()), std::min(m_anchor.y(), at.y()),
                               std::abs(at.x() - m_anchor.x()), std::abs(at.y() - m_anchor.y()));
        m_host.ShowButtonEditor();
        m_host.ShowInButtonEditor();
    }
}
