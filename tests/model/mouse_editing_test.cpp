#include "model/mouse_editing.h"

#include "model/design_canvas.h"
#include "platform/file_names.h"
#include "platform/focus_rect.h"
#include "support/temp_folder.h"

#include "support/test_pictures.h"
#include "support/used_button.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <ostream>
#include <utility>

// Readable failure messages for the recorded calls.
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

constexpr int SizeX = 240;
constexpr int SizeY = 160;

ShiftState Held(bool left, bool shift = false, bool ctrl = false, bool right = false, bool alt = false)
{
    ShiftState s;
    s.Left = left;
    s.Shift = shift;
    s.Ctrl = ctrl;
    s.Right = right;
    s.Alt = alt;
    return s;
}

// Expected canvas pictures, built pixel by pixel beside the code under test.
void ToggleFrame(QImage& image, const MenuButton& b)
{
    DrawFocusRect(image, b.Left, b.Top, b.Left + b.Width, b.Top + b.Height);
}

void CopyState(QImage& image, const QImage& picture, const MenuButton& b)
{
    const int left = std::max(std::min(b.Left, b.Left + b.Width), 0);
    const int right = std::min(std::max(b.Left, b.Left + b.Width), image.width());
    const int top = std::max(std::min(b.Top, b.Top + b.Height), 0);
    const int bottom = std::min(std::max(b.Top, b.Top + b.Height), image.height());
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            image.setPixel(x, y, picture.pixel(x, y));
}

// Records what mouse editing asks of the windows; the full redraw is real.
class RecordingHost : public MouseEditingHost {
public:
    RecordingHost(MenuProject& project, DesignCanvas& canvas) : m_project(project), m_canvas(canvas) {}

    bool ClickEditChecked() const override { return m_clickEdit; }
    void ShowButtonEditor() override { m_calls << QStringLiteral("show"); }
    void ShowInButtonEditor() override { m_calls << QStringLiteral("load %1").arg(m_editing->CurrentButton()); }
    void ShowTextFile(const QString& storedName) override { m_calls << QStringLiteral("text ") + storedName; }
    void SetCaption(const QString& caption) override { m_calls << QStringLiteral("caption ") + caption; }
    void RedrawCanvas() override
    {
        m_calls << QStringLiteral("redraw");
        m_canvas.RedrawCanvas(m_project);
    }
    void RefreshButtonListIfShown() override { m_calls << QStringLiteral("list"); }

    MenuProject& m_project;
    DesignCanvas& m_canvas;
    const MouseEditing* m_editing = nullptr;
    bool m_clickEdit = true;
    QStringList m_calls;
};

class MouseEditingTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_host.m_editing = &m_editing;
        m_project.Main.SizeX = SizeX;
        m_project.Main.SizeY = SizeY;
        m_project.Main.Company = "Acme";
        m_project.Main.Title = "Menu";
        m_project.NormalPicture = NoisePicture(SizeX, SizeY, 1);
        m_project.OverPicture = NoisePicture(SizeX, SizeY, 2);
        m_project.ClickPicture = NoisePicture(SizeX, SizeY, 3);
        m_project.Buttons[0] = UsedButton(20, 20, 40, 30, "Install");
        m_project.Buttons[1] = UsedButton(100, 50, 30, 20, "Readme");
        m_project.Buttons[3] = UsedButton(160, 100, 50, 20, "Exit");
        m_canvas.EnsureCreated(SizeX, SizeY);
        m_canvas.RedrawCanvas(m_project);
    }

    // The canvas a full redraw of the project as it is now gives.
    QImage Fresh() const
    {
        DesignCanvas canvas;
        canvas.EnsureCreated(SizeX, SizeY);
        canvas.RedrawCanvas(m_project);
        return canvas.Image();
    }

    // `base` with a button's rectangle taken from a state picture and framed again.
    static QImage WithState(QImage base, const QImage& picture, const MenuButton& b)
    {
        CopyState(base, picture, b);
        ToggleFrame(base, b);
        return base;
    }

    void Move(int x, int y, ShiftState state = {}) { m_editing.Move(QPoint(x, y), state); }
    QStringList TakeCalls() { return std::exchange(m_host.m_calls, {}); }

    MenuProject m_project;
    DesignCanvas m_canvas;
    RecordingHost m_host{m_project, m_canvas};
    MouseEditing m_editing{m_project, m_canvas, m_host};
};

TEST_F(MouseEditingTest, EnteringShowsTheOverPictureAndNamesTheButtonInTheCaption)
{
    const QImage fresh = Fresh();
    Move(30, 25);
    EXPECT_TRUE(m_editing.OverButton());
    EXPECT_EQ(m_editing.CurrentButton(), 0);
    EXPECT_EQ(m_canvas.Image(), WithState(fresh, m_project.OverPicture, m_project.Buttons[0]));
    EXPECT_EQ(TakeCalls(), QStringList{"caption Acme Menu  Install"});

    Move(35, 30);
    EXPECT_TRUE(TakeCalls().isEmpty()) << "moving inside the entered button does nothing";
    EXPECT_EQ(m_canvas.Image(), WithState(fresh, m_project.OverPicture, m_project.Buttons[0]));

    Move(200, 10);
    EXPECT_FALSE(m_editing.OverButton());
    EXPECT_EQ(m_canvas.Image(), fresh) << "leaving restores the normal picture and the frame";
    EXPECT_TRUE(TakeCalls().isEmpty()) << "leaving keeps the caption";
}

TEST_F(MouseEditingTest, HiddenBorderKeepsTheCaption)
{
    m_project.Main.HideBorder = true;
    Move(30, 25);
    Move(200, 10);
    Move(110, 60);
    EXPECT_EQ(m_editing.CurrentButton(), 1);
    EXPECT_TRUE(TakeCalls().isEmpty());
}

TEST_F(MouseEditingTest, EditorIsShownOnEntryOnlyWithClickEditUnchecked)
{
    m_host.m_clickEdit = false;
    Move(110, 60);
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 1", "caption Acme Menu  Readme"}));
    m_editing.Press(QPoint(110, 60));
    m_editing.Release(QPoint(110, 60));
    EXPECT_EQ(TakeCalls(), (QStringList{"redraw", "list", "load 1"}));

    m_host.m_clickEdit = true;
    Move(200, 10);
    Move(30, 25);
    EXPECT_EQ(TakeCalls(), QStringList{"caption Acme Menu  Install"});
    m_editing.Press(QPoint(30, 25));
    m_editing.Release(QPoint(30, 25));
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 0", "redraw", "list", "load 0"}));
}

TEST_F(MouseEditingTest, PressShowsTheClickPictureAndReleaseRedrawsEverything)
{
    const QImage fresh = Fresh();
    const MenuButton before = m_project.Buttons[0];
    Move(30, 25);
    TakeCalls();
    m_editing.Press(QPoint(30, 25));
    EXPECT_TRUE(m_editing.Dragging());
    EXPECT_EQ(m_canvas.Image(), WithState(fresh, m_project.ClickPicture, before));
    EXPECT_TRUE(TakeCalls().isEmpty());

    m_editing.Release(QPoint(30, 25));
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 0", "redraw", "list", "load 0"}));
    EXPECT_EQ(m_canvas.Image(), fresh);
    EXPECT_EQ(m_project.Buttons[0], before);
    EXPECT_FALSE(m_editing.Dragging());
    EXPECT_TRUE(m_editing.OverButton()) << "the pointer is still over the button";

    Move(31, 26);
    EXPECT_EQ(m_canvas.Image(), fresh) << "the over picture returns only after leaving and entering";
}

TEST_F(MouseEditingTest, LeftDragMovesTheButtonByThePointerTravel)
{
    const MenuButton start = m_project.Buttons[0];
    Move(30, 25);
    m_editing.Press(QPoint(30, 25));
    const QImage pressed = m_canvas.Image();

    Move(45, 33, Held(true));
    MenuButton& b = m_project.Buttons[0];
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(35, 28, 40, 30));
    QImage expected = pressed;
    ToggleFrame(expected, start);
    ToggleFrame(expected, b);
    EXPECT_EQ(m_canvas.Image(), expected) << "the frame follows the move";

    Move(40, 45, Held(true));
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(30, 40, 40, 30));

    m_editing.Release(QPoint(40, 45));
    EXPECT_EQ(m_canvas.Image(), Fresh());
    MenuButton moved = start;
    moved.Left = 30;
    moved.Top = 40;
    EXPECT_EQ(b, moved) << "only the position changes";
}

TEST_F(MouseEditingTest, ShiftLeftDragResizesFromTheTopLeftCorner)
{
    Move(30, 25);
    m_editing.Press(QPoint(30, 25));
    Move(40, 40, Held(true, true));
    Move(50, 35, Held(true, true));
    const MenuButton& b = m_project.Buttons[0];
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(20, 20, 60, 40));
    m_editing.Release(QPoint(50, 35));
    EXPECT_EQ(m_canvas.Image(), Fresh());
}

TEST_F(MouseEditingTest, OtherDragsChangeNoFieldButStillPick)
{
    const ShiftState others[] = {Held(true, false, true), Held(false, false, false, true),
                                 Held(true, false, false, true), Held(false)};
    const MenuButton before = m_project.Buttons[0];
    for (const ShiftState& state : others) {
        Move(200, 10);
        Move(30, 25);
        TakeCalls();
        m_editing.Press(QPoint(30, 25));
        Move(40, 35, state);
        Move(45, 38, state);
        EXPECT_EQ(m_project.Buttons[0], before);
        m_editing.Release(QPoint(45, 38));
        EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 0", "redraw", "list", "load 0"}));
        EXPECT_EQ(m_canvas.Image(), Fresh());
    }
}

TEST_F(MouseEditingTest, RubberBandCreatesAButtonWithExactlyTheBandsRectangle)
{
    const QImage fresh = Fresh();
    m_editing.Press(QPoint(230, 150));
    Move(200, 140);
    QImage expected = fresh;
    DrawFocusRect(expected, 200, 140, 230, 150);
    EXPECT_EQ(m_canvas.Image(), expected);

    Move(170, 110); // over "Exit": drawing a band enters no button
    EXPECT_FALSE(m_editing.OverButton());
    expected = fresh;
    DrawFocusRect(expected, 170, 110, 230, 150);
    EXPECT_EQ(m_canvas.Image(), expected) << "only the latest band is shown";
    EXPECT_TRUE(TakeCalls().isEmpty());

    m_editing.Release(QPoint(170, 110));
    const MenuButton& b = m_project.Buttons[2];
    EXPECT_TRUE(b.Used);
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(170, 110, 60, 40));
    EXPECT_EQ(b.Name, "New Button");
    EXPECT_EQ(b.Action, "RUN");
    EXPECT_EQ(b.ShellRunAction, "Open");
    EXPECT_EQ(m_editing.CurrentButton(), 2) << "the lowest free slot";
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 2", "redraw", "list", "load 2"}));
    EXPECT_FALSE(m_editing.BandShown());
    EXPECT_FALSE(m_editing.Drawing());
    EXPECT_EQ(m_canvas.Image(), Fresh());
}

// A click that moves less than 3 pixels draws nothing; 3 pixels draw a button.
TEST_F(MouseEditingTest, AClickOnEmptyCanvasCreatesNoButton)
{
    m_editing.Press(QPoint(5, 150));
    m_editing.Release(QPoint(7, 148));
    EXPECT_FALSE(m_project.Buttons[2].Used);
    EXPECT_FALSE(m_editing.Drawing());
    EXPECT_EQ(m_canvas.Image(), Fresh());

    m_editing.Press(QPoint(8, 140));
    m_editing.Release(QPoint(11, 141));
    const MenuButton& b = m_project.Buttons[2];
    EXPECT_TRUE(b.Used);
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(8, 140, 3, 1));
}

TEST_F(MouseEditingTest, HitTestIncludesTheRightAndBottomEdgeLines)
{
    struct Probe {
        int x, y;
        bool over;
    };
    // "Install" spans 20..60 x 20..50 when hit testing.
    const Probe probes[] = {{60, 50, true}, {61, 50, false}, {60, 51, false}, {20, 20, true},
                            {19, 20, false}, {20, 19, false}, {60, 20, true}, {20, 50, true}};
    for (const Probe& p : probes) {
        Move(200, 10);
        Move(p.x, p.y);
        EXPECT_EQ(m_editing.OverButton(), p.over) << p.x << "," << p.y;
    }

    m_project.Buttons[1].Width = -30; // a button of negative width is never hit
    for (const Probe& p : {Probe{85, 55, false}, Probe{100, 55, false}, Probe{70, 55, false}}) {
        Move(200, 10);
        Move(p.x, p.y);
        EXPECT_FALSE(m_editing.OverButton()) << p.x << "," << p.y;
    }
}

TEST_F(MouseEditingTest, OverlappingButtonsTheLowerSlotIsEntered)
{
    m_project.Buttons[3] = UsedButton(110, 60, 50, 30, "Exit"); // overlaps "Readme" over 110..130 x 60..70
    m_canvas.RedrawCanvas(m_project);
    Move(120, 65);
    EXPECT_EQ(m_editing.CurrentButton(), 1);

    Move(150, 80); // inside "Exit" only: this move leaves "Readme"
    EXPECT_FALSE(m_editing.OverButton());
    Move(151, 80);
    EXPECT_EQ(m_editing.CurrentButton(), 3);
    Move(120, 65);
    EXPECT_EQ(m_editing.CurrentButton(), 3) << "no search while over a button";

    Move(230, 150);
    Move(120, 65);
    EXPECT_EQ(m_editing.CurrentButton(), 1);
}

TEST_F(MouseEditingTest, AFastDragKeepsItsButtonUnderThePointer)
{
    const QImage fresh = Fresh();
    Move(110, 60);
    m_editing.Press(QPoint(110, 60));
    Move(30, 30, Held(true)); // one jump far past "Readme"'s edge, onto "Install"
    EXPECT_TRUE(m_editing.OverButton());
    EXPECT_TRUE(m_editing.Dragging());
    EXPECT_EQ(m_editing.CurrentButton(), 1);
    EXPECT_EQ(QPoint(m_project.Buttons[1].Left, m_project.Buttons[1].Top), QPoint(20, 20));

    Move(200, 150, Held(true)); // past the canvas's corner: the button still follows
    EXPECT_EQ(m_editing.CurrentButton(), 1);
    EXPECT_EQ(QPoint(m_project.Buttons[1].Left, m_project.Buttons[1].Top), QPoint(190, 140));
    EXPECT_EQ(QPoint(m_project.Buttons[0].Left, m_project.Buttons[0].Top), QPoint(20, 20)) << "Install stays";

    TakeCalls();
    m_editing.Release(QPoint(200, 150));
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 1", "redraw", "list", "load 1"})) << "the dragged button is picked";
    EXPECT_FALSE(m_project.Buttons[2].Used) << "no stray new button";
    EXPECT_EQ(m_canvas.Image(), Fresh());
    EXPECT_NE(m_canvas.Image(), fresh);
}

TEST_F(MouseEditingTest, AFastResizeKeepsItsButtonEvenWhenItTurnsInsideOut)
{
    Move(30, 25);
    m_editing.Press(QPoint(30, 25));
    Move(5, 5, Held(true, true)); // narrower than the pointer's travel: width and height turn negative
    const MenuButton& b = m_project.Buttons[0];
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(20, 20, 15, 10));
    Move(0, 0, Held(true, true));
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(20, 20, 10, 5));
    Move(-20, -20, Held(true, true));
    EXPECT_EQ(std::make_pair(b.Width, b.Height), std::make_pair(-10, -15));
    EXPECT_TRUE(m_editing.OverButton());
    m_editing.Release(QPoint(-20, -20));
    EXPECT_FALSE(m_project.Buttons[2].Used);
    EXPECT_EQ(m_editing.CurrentButton(), 0);
    EXPECT_EQ(m_canvas.Image(), Fresh());

    Move(100, 5); // after the release the leave test runs again
    EXPECT_FALSE(m_editing.OverButton());
    EXPECT_EQ(m_canvas.Image(), Fresh());
}

TEST_F(MouseEditingTest, APressWithoutAMoveBeforeItPressesTheButtonUnderThePointer)
{
    const MenuButton readme = m_project.Buttons[1];
    m_editing.Press(QPoint(110, 60)); // the first click after a dialog closed over the canvas
    EXPECT_TRUE(m_editing.OverButton());
    EXPECT_TRUE(m_editing.Dragging());
    EXPECT_FALSE(m_editing.Drawing());
    EXPECT_EQ(m_editing.CurrentButton(), 1);
    EXPECT_EQ(m_canvas.Image(), WithState(Fresh(), m_project.ClickPicture, readme));
    EXPECT_EQ(TakeCalls(), QStringList{"caption Acme Menu  Readme"});

    m_editing.Release(QPoint(110, 60));
    EXPECT_EQ(TakeCalls(), (QStringList{"show", "load 1", "redraw", "list", "load 1"}));
    EXPECT_FALSE(m_project.Buttons[2].Used) << "no invisible 0 x 0 button";
    EXPECT_EQ(m_project.Buttons[1], readme);
}

TEST_F(MouseEditingTest, ShiftHeldBeforeThePressResizesTheButtonUnderThePointer)
{
    m_editing.Press(QPoint(50, 40)); // no move without Shift came first
    Move(60, 55, Held(true, true));
    const MenuButton& b = m_project.Buttons[0];
    EXPECT_EQ(QRect(b.Left, b.Top, b.Width, b.Height), QRect(20, 20, 50, 45));
    m_editing.Release(QPoint(60, 55));
    EXPECT_FALSE(m_project.Buttons[2].Used);
    EXPECT_EQ(m_editing.CurrentButton(), 0);
}

TEST_F(MouseEditingTest, APressAwayFromTheLitButtonRestoresItAndPressesTheOneUnderThePointer)
{
    Move(30, 25); // "Install" is lit
    m_editing.Press(QPoint(170, 110)); // on "Exit": a dialog over the canvas took the moves between
    EXPECT_EQ(m_editing.CurrentButton(), 3);
    EXPECT_TRUE(m_editing.Dragging());
    EXPECT_EQ(m_canvas.Image(), WithState(Fresh(), m_project.ClickPicture, m_project.Buttons[3]))
        << "Install is back to its normal picture";
    Move(175, 112, Held(true));
    EXPECT_EQ(QPoint(m_project.Buttons[3].Left, m_project.Buttons[3].Top), QPoint(165, 102));
    EXPECT_EQ(QPoint(m_project.Buttons[0].Left, m_project.Buttons[0].Top), QPoint(20, 20));

    m_editing.Release(QPoint(175, 112));
    Move(230, 5);
    m_editing.Press(QPoint(235, 3)); // on empty canvas: a drawn button as before
    m_editing.Release(QPoint(240, 9));
    const MenuButton& created = m_project.Buttons[2];
    EXPECT_TRUE(created.Used);
    EXPECT_EQ(QRect(created.Left, created.Top, created.Width, created.Height), QRect(235, 3, 5, 6));
}

TEST_F(MouseEditingTest, ASecondMouseButtonDuringAGestureKeepsIt)
{
    Move(110, 60);
    m_editing.Press(QPoint(110, 60));
    Move(30, 30, Held(true));
    m_editing.Press(QPoint(30, 30)); // the right button joins, over "Install"
    EXPECT_EQ(m_editing.CurrentButton(), 1) << "the dragged button stays current";
    m_editing.Release(QPoint(30, 30));

    Move(235, 5);
    m_editing.Press(QPoint(235, 5));
    Move(160, 100, Held(true)); // a band reaching into "Exit"
    m_editing.Press(QPoint(160, 100));
    EXPECT_FALSE(m_editing.OverButton()) << "a band enters no button";
    m_editing.Release(QPoint(170, 110));
    const MenuButton& created = m_project.Buttons[2];
    EXPECT_EQ(QRect(created.Left, created.Top, created.Width, created.Height), QRect(160, 100, 10, 10))
        << "from the last press to the release";
}

TEST_F(MouseEditingTest, LeavingTheCanvasFromAButtonRestoresItsNormalPicture)
{
    const QImage fresh = Fresh();
    Move(205, 115); // "Exit", near the canvas's right edge
    EXPECT_NE(m_canvas.Image(), fresh);
    m_editing.LeavePointer();
    EXPECT_FALSE(m_editing.OverButton());
    EXPECT_EQ(m_canvas.Image(), fresh);
    m_editing.LeavePointer();
    EXPECT_EQ(m_canvas.Image(), fresh) << "a second leave changes nothing";

    Move(210, 120); // coming back onto the same button lights it again
    EXPECT_TRUE(m_editing.OverButton());
    EXPECT_EQ(m_canvas.Image(), WithState(fresh, m_project.OverPicture, m_project.Buttons[3]));

    m_editing.Press(QPoint(210, 120));
    const QImage pressed = m_canvas.Image();
    m_editing.LeavePointer(); // while dragging the canvas keeps the pointer
    EXPECT_TRUE(m_editing.Dragging());
    EXPECT_EQ(m_canvas.Image(), pressed);
}

TEST_F(MouseEditingTest, PickingAnotherButtonRestoresTheLitOne)
{
    const QImage fresh = Fresh();
    Move(30, 25);
    m_editing.PickButton(3);
    EXPECT_EQ(m_editing.CurrentButton(), 3);
    EXPECT_FALSE(m_editing.OverButton());
    EXPECT_EQ(m_canvas.Image(), fresh);

    Move(35, 30); // the pointer comes back to "Install": it is entered again
    EXPECT_EQ(m_editing.CurrentButton(), 0);
    EXPECT_EQ(m_canvas.Image(), WithState(fresh, m_project.OverPicture, m_project.Buttons[0]));
    Move(200, 10);
    EXPECT_EQ(m_canvas.Image(), fresh);
    EXPECT_EQ(m_project.Buttons[3], UsedButton(160, 100, 50, 20, "Exit")) << "the picked button is untouched";
}

TEST_F(MouseEditingTest, LeavingADeletedButtonDrawsNoFrameForIt)
{
    Move(30, 25);
    m_canvas.RedrawButton(m_project.Buttons[0]); // the button editor's Delete
    m_project.Buttons[0].Used = false;
    Move(200, 10);
    EXPECT_EQ(m_canvas.Image(), Fresh());
}

TEST_F(MouseEditingTest, WithSlotsZeroToNinetyNineInUseNothingIsCreated)
{
    for (int slot = 0; slot < 100; ++slot)
        m_project.Buttons[slot] = UsedButton((slot % 10) * 12, (slot / 10) * 6, 8, 3, "Small");
    m_canvas.RedrawCanvas(m_project);
    const auto before = m_project.Buttons;
    TakeCalls();

    m_editing.Press(QPoint(200, 100));
    Move(220, 150);
    m_editing.Release(QPoint(220, 150));
    EXPECT_EQ(m_project.Buttons, before);
    EXPECT_FALSE(m_project.Buttons[100].Used);
    EXPECT_EQ(m_editing.CurrentButton(), 100);
    EXPECT_EQ(TakeCalls(), (QStringList{"redraw", "list", "load 100"}));
    EXPECT_EQ(m_canvas.Image(), Fresh());
}

// Makes a folder current for one test and restores the previous one.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const QString& folder) : m_previous(CurrentFolder()) { SetCurrentFolder(folder); }
    ~CurrentFolderScope() { SetCurrentFolder(m_previous); }

private:
    QString m_previous;
};

TEST_F(MouseEditingTest, HelpTextIsLoadedOnlyWhenTheNameChangesAndTheFileExists)
{
    TempFolder folder;
    folder.Write("help.rtf", "{\\rtf1 help}");
    folder.Write("other.rtf", "{\\rtf1 other}");
    const CurrentFolderScope scope(folder.Path());
    m_project.Buttons[0].LoadInfo = "help.rtf";
    m_project.Buttons[1].LoadInfo = "help.rtf";
    m_project.Buttons[3].LoadInfo = "missing.rtf";
    m_project.Main.HideBorder = true;

    const auto visit = [&](int x, int y) {
        Move(x, y);
        Move(235, 5);
    };
    visit(30, 25);   // help.rtf
    visit(110, 60);  // the same name again
    visit(170, 110); // no such file
    visit(30, 25);   // still the same name
    EXPECT_EQ(TakeCalls(), QStringList{"text help.rtf"});

    m_project.Buttons[3].LoadInfo = "other.rtf";
    visit(170, 110);
    visit(110, 60);
    m_project.Buttons[1].LoadInfo = "HELP.RTF"; // another text for the same file
    visit(110, 60);
    EXPECT_EQ(TakeCalls(), (QStringList{"text other.rtf", "text help.rtf", "text HELP.RTF"}));
    EXPECT_EQ(m_editing.ShownTextFile(), "HELP.RTF");
}

} // namespace
