#include "model/button_alignment.h"

#include <algorithm>

namespace {

// One axis of a button, so that the horizontal and the vertical commands are one piece each.
struct Axis {
    int32_t MenuButton::*Start;
    int32_t MenuButton::*Extent;
};

constexpr Axis Horizontal{&MenuButton::Left, &MenuButton::Width};
constexpr Axis Vertical{&MenuButton::Top, &MenuButton::Height};

// Where a button starts on the axis to line up with the reference: at its start,
// its end or its centre (0, 2 or 1 halves of the difference in extent).
void LineUp(MenuButton& b, const MenuButton& reference, Axis axis, int halves)
{
    b.*axis.Start = reference.*axis.Start + (reference.*axis.Extent - b.*axis.Extent) * halves / 2;
}

// The first and the last by position stay; the others go between them so that
// every gap is the same, to the pixel left over by the division.
void Distribute(MenuProject& project, std::vector<int> chosen, Axis axis)
{
    if (chosen.size() < 3)
        return;
    auto start = [&](int slot) { return project.Buttons[size_t(slot)].*axis.Start; };
    std::stable_sort(chosen.begin(), chosen.end(), [&](int a, int b) { return start(a) < start(b); });
    const MenuButton& first = project.Buttons[size_t(chosen.front())];
    const MenuButton& last = project.Buttons[size_t(chosen.back())];
    const int64_t from = first.*axis.Start;
    int64_t extents = 0;
    for (int slot : chosen)
        extents += project.Buttons[size_t(slot)].*axis.Extent;
    const int64_t space = int64_t(last.*axis.Start) + last.*axis.Extent - from - extents;
    const int64_t gaps = int64_t(chosen.size()) - 1;
    int64_t before = 0;
    for (size_t i = 0; i < chosen.size(); ++i) {
        MenuButton& b = project.Buttons[size_t(chosen[i])];
        const int64_t extent = b.*axis.Extent;
        b.*axis.Start = int32_t(from + before + space * int64_t(i) / gaps);
        before += extent;
    }
}

} // namespace

void AlignButtons(MenuProject& project, const std::vector<int>& chosen, int reference, Alignment how)
{
    if (how == Alignment::DistributeHorizontally || how == Alignment::DistributeVertically) {
        Distribute(project, chosen, how == Alignment::DistributeHorizontally ? Horizontal : Vertical);
        return;
    }
    const MenuButton ref = project.Buttons[size_t(reference)];
    for (int slot : chosen) {
        MenuButton& b = project.Buttons[size_t(slot)];
        switch (how) {
        case Alignment::Left: LineUp(b, ref, Horizontal, 0); break;
        case Alignment::Right: LineUp(b, ref, Horizontal, 2); break;
        case Alignment::Top: LineUp(b, ref, Vertical, 0); break;
        case Alignment::Bottom: LineUp(b, ref, Vertical, 2); break;
        case Alignment::HorizontalCentres: LineUp(b, ref, Horizontal, 1); break;
        case Alignment::VerticalCentres: LineUp(b, ref, Vertical, 1); break;
        case Alignment::SameWidth: b.Width = ref.Width; break;
        case Alignment::SameHeight: b.Height = ref.Height; break;
        case Alignment::SameSize:
            b.Width = ref.Width;
            b.Height = ref.Height;
            break;
        default: break;
        }
    }
}
