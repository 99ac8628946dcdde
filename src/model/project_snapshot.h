#pragma once
#include "model/menu_project.h"

#include <optional>

// The project's records as they were last loaded or saved, to tell whether
// replacing the project would lose work. The records are implicitly shared
// texts and plain numbers, so taking and comparing a snapshot is cheap. The
// pictures are not compared: they follow their file names, which are.
class ProjectSnapshot {
public:
    void Take(const MenuProject& project);
    // True also when no snapshot was taken yet.
    bool Differs(const MenuProject& project) const;

private:
    struct Records {
        MainParams Main;
        std::array<MenuButton, MenuProject::SlotCount> Buttons;
        ::TextInfo TextInfo;
        CustomShape Shape;
    };

    std::optional<Records> m_records;
};
