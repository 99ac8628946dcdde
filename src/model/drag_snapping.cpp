#include "model/drag_snapping.h"

#include "model/menu_project.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

int AxisIndex(Qt::Orientation axis) { return axis == Qt::Vertical ? 0 : 1; }

void AddLinesOf(std::vector<double>& lines, double low, double high)
{
    lines.push_back(low);
    lines.push_back((low + high) / 2);
    lines.push_back(high);
}

struct Candidate {
    double Feature;
    double Line;
    double Distance() const { return std::abs(Line - Feature); }
};

// The parts of the span that snap: both ends and the centre when it shifts whole.
std::vector<double> FeaturesOf(const SnapSpan& span)
{
    if (span.LowMoves && span.HighMoves)
        return {double(span.Low), (double(span.Low) + span.High) / 2, double(span.High)};
    if (span.LowMoves)
        return {double(span.Low)};
    if (span.HighMoves)
        return {double(span.High)};
    return {};
}

} // namespace

DragSnapper::DragSnapper(const MenuProject& project, const std::vector<int>& moving)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& b = project.Buttons[size_t(slot)];
        if (!b.Used || std::find(moving.begin(), moving.end(), slot) != moving.end())
            continue;
        AddLinesOf(m_lines[0], b.Left, double(b.Left) + b.Width);
        AddLinesOf(m_lines[1], b.Top, double(b.Top) + b.Height);
    }
    AddLinesOf(m_lines[0], 0, project.Main.SizeX);
    AddLinesOf(m_lines[1], 0, project.Main.SizeY);
}

DragSnapper::Snap DragSnapper::Along(Qt::Orientation axis, const SnapSpan& span, const SnapSettings& settings) const
{
    if (!settings.Enabled)
        return {};
    const std::vector<double> features = FeaturesOf(span);
    std::optional<Candidate> best;
    for (double feature : features)
        for (double line : m_lines[AxisIndex(axis)])
            if (const Candidate c{feature, line}; c.Distance() <= settings.Reach &&
                                                  (!best || c.Distance() < best->Distance()))
                best = c;
    if (best)
        return {int(std::lround(best->Line - best->Feature)), {SnapGuide{axis, best->Line}}};
    // The grid only when no line is near: the leading moving end goes to the nearest multiple.
    if (settings.GridSize > 0 && !features.empty()) {
        const double end = features.front();
        const double grid = settings.GridSize;
        return {int(std::lround(std::round(end / grid) * grid - end)), {}};
    }
    return {};
}
