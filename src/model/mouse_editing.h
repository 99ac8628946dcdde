#pragma once
#include "model/button_drag.h"
#include "model/menu_project.h"

#include <QPoint>
#include <QRect>
#include <QString>

class DesignCanvas;

// Which mouse buttons and modifier keys are held during a move.
struct ShiftState {
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;

    bool IsLeftAlone() const { return Left && !Right && !Middle && !Shift && !Ctrl && !Alt; }
    bool IsShiftLeft() const { return Left && Shift && !Right && !Middle && !Ctrl && !Alt; }
};

// What mouse editing asks of the windows around the canvas.
class MouseEditingHost {
public:
    virtual ~MouseEditingHost() = default;
    virtual bool ClickEditChecked() const = 0;
    virtual void ShowButtonEditor() = 0;
    // The button editor shows the current button; the keyboard focus stays where it is.
    virtual void ShowInButtonEditor() = 0;
    virtual void ShowTextFile(const QString& storedName) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The full redraw, with whatever else the editor does on it.
    virtual void RedrawCanvas() = 0;
    // Refreshes the buttons list when that window is shown.
    virtual void RefreshButtonListIfShown() = 0;
    // How drags snap now; none unless the editor says.
    virtual SnapSettings Snapping() const { return {}; }
};

// The canvas's press / move / release state machine: entering buttons, state
// pictures, moving, resizing and drawing new buttons with a rubber band.
class MouseEditing {
public:
    MouseEditing(MenuProject& project, DesignCanvas& canvas, MouseEditingHost& host);

    void Press(QPoint at);
    // A press on one of a selected button's handles: that button's `sides` follow the pointer.
    void PressHandle(QPoint at, int slot, int sides);
    // The buttons that go along when the pressed one is dragged (it among them).
    void DragAlong(const std::vector<int>& dragged);
    void Move(QPoint at, ShiftState state);
    void Release(QPoint at);
    // A release on empty canvas this close to its press draws no button.
    static constexpr int MinDrawTravel = 3;
    // The pointer left the canvas (onto the strip, the text area or another window).
    void LeavePointer();
    // Esc during a gesture: a dragged button goes back where the press found it, a
    // band being drawn goes without making a button. The release then changes nothing.
    void CancelGesture();

    int CurrentButton() const { return m_currentButton; }
    void SetCurrentButton(int slot) { m_currentButton = slot; }
    // Another button is picked away from the canvas (a buttons-list row): the
    // lit button goes back to its normal picture first.
    void PickButton(int slot);
    bool OverButton() const { return m_overButton; }
    bool Dragging() const { return m_dragging; }
    bool Drawing() const { return m_drawing; }
    bool BandShown() const { return m_bandShown; }
    QRect Band() const { return m_band; }
    QString ShownTextFile() const { return m_shownTextFile; }
    // What the drag under way snapped to.
    const std::vector<SnapGuide>& Guides() const { return m_drag.Guides(); }
    // Forgets the rubber band (a full redraw has removed it).
    void ClearBand() { m_bandShown = false; }

    static bool PointInButton(QPoint at, const MenuButton& button);

private:
    void DrawBand(QPoint at);
    void EnterButtonAt(QPoint at);
    void Enter(int slot);
    void ShowHelpText(const MenuButton& button);
    void FollowPointer(QPoint at);
    void LeaveIfOutside(QPoint at);
    void Leave();
    void Drag(QPoint at, ShiftState state);
    // The sides the pointer drags with these keys and buttons held (0: none).
    int DraggedSides(ShiftState state) const;
    void ToggleDraggedFrames();
    void ReleaseOnEmptyCanvas(QPoint at);
    MenuButton& Current() { return m_project.Buttons[m_currentButton]; }

    MenuProject& m_project;
    DesignCanvas& m_canvas;
    MouseEditingHost& m_host;

    int m_currentButton = 0;
    bool m_overButton = false;
    bool m_dragging = false;
    bool m_drawing = false;
    bool m_bandShown = false;
    QPoint m_anchor;
    ButtonDrag m_drag;
    QRect m_band; // left, top and exclusive right, bottom as QRect(QPoint, QPoint)
    QString m_shownTextFile;
};
