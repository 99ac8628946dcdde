#pragma once
#include "model/check_finding.h"

// Where the editor shows the field a check finding is about: the button it
// belongs to, the Program Parameters page that holds the field, the shape
// window or the autorun wizard; nothing for a file on the disc the project does
// not name, or a field the main window already shows.
struct CheckFindingTarget {
    enum class Kind { None, Button, ParamsPage, ShapeWindow, AutorunWizard };

    // The Program Parameters dialog's pages, in tab order.
    static constexpr int ProgramPage = 0;
    static constexpr int BackgroundsPage = 1;
    static constexpr int SoundsPage = 2;
    static constexpr int DefaultsPage = 6;

    Kind What = Kind::None;
    int Slot = -1; // for Button
    int Page = -1; // for ParamsPage

    static CheckFindingTarget Of(const CheckFinding& finding);
    bool operator==(const CheckFindingTarget&) const = default;
};
