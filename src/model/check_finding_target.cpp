#include "model/check_finding_target.h"

#include "model/menu_project.h"

#include <algorithm>
#include <initializer_list>

namespace {

using Kind = CheckFindingTarget::Kind;

bool Is(const QString& text, const char* name) { return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; }

bool IsOneOf(const QString& text, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return Is(text, name); });
}

CheckFindingTarget OnPage(int page) { return {Kind::ParamsPage, -1, page}; }

// The [MAIN] keys: the files the dialog names and the custom shape.
CheckFindingTarget MainTarget(const QString& key)
{
    if (IsOneOf(key, {"Program", "Company", "IconFile"}))
        return OnPage(CheckFindingTarget::ProgramPage);
    if (IsOneOf(key, {"background", "backover", "backclick"}))
        return OnPage(CheckFindingTarget::BackgroundsPage);
    if (IsOneOf(key, {"SoundOver", "SoundClick", "OnLoadSound"}))
        return OnPage(CheckFindingTarget::SoundsPage);
    if (Is(key, "CustomShape"))
        return {Kind::ShapeWindow};
    return {};
}

} // namespace

CheckFindingTarget CheckFindingTarget::Of(const CheckFinding& finding)
{
    const QString& section = finding.Section;
    const int slot = finding.Slot();
    if (slot >= 0 && slot < MenuProject::SlotCount)
        return {Kind::Button, slot};
    if (Is(section, "MAIN"))
        return MainTarget(finding.Key);
    // The text area's place is on the main window already; its default file is a field of the dialog.
    if (Is(section, "TextInfo") && Is(finding.Key, "DefaultFile"))
        return OnPage(DefaultsPage);
    if (Is(section, "CustomPoints"))
        return {Kind::ShapeWindow};
    if (Is(section, "autorun"))
        return {Kind::AutorunWizard};
    return {};
}
