// The Editor's zoom and grid: how the canvas shows the menu.
#include "ui/core/editor.h"
#include "ui/core/editor_settings.h"

#include <algorithm>

namespace {

const QString GridShownKey = QStringLiteral("Grid/Shown");
const QString GridSnapKey = QStringLiteral("Grid/Snap");
const QString GridSizeKey = QStringLiteral("Grid/Size");

} // namespace

void Editor::SetZoom(double scale)
{
    const bool wasActual = m_zoom.IsActualSize();
    const double before = m_zoom.Scale();
    m_zoom.SetScale(scale);
    if (m_zoom.Scale() == before)
        return;
    // Zoomed, the frames show over a frameless copy of the bitmap, which a full redraw fills.
    if (wasActual != m_zoom.IsActualSize()) {
        m_canvas.KeepPlain(!m_zoom.IsActualSize());
        RedrawCanvas();
    }
    emit CanvasViewChanged();
}

void Editor::ZoomIn()
{
    CanvasZoom next = m_zoom;
    next.ZoomIn();
    SetZoom(next.Scale());
}

void Editor::ZoomOut()
{
    CanvasZoom next = m_zoom;
    next.ZoomOut();
    SetZoom(next.Scale());
}

void Editor::FitZoom()
{
    if (!m_mainWindow)
        return;
    CanvasZoom next = m_zoom;
    next.Fit(QSize(Project().Main.SizeX, Project().Main.SizeY), m_mainWindow->CanvasRoom());
    SetZoom(next.Scale());
}

bool Editor::MenuLargerThanRoom() const
{
    if (!m_mainWindow)
        return false;
    const QSize shown = m_zoom.ToScreen(QSize(Project().Main.SizeX, Project().Main.SizeY));
    const QSize room = m_mainWindow->CanvasRoom();
    return shown.width() > room.width() || shown.height() > room.height();
}

void Editor::SetGrid(const CanvasGrid& grid)
{
    CanvasGrid kept = grid;
    kept.Size = std::clamp(grid.Size, 1, CanvasGrid::LargestSize);
    if (kept == m_grid)
        return;
    m_grid = kept;
    QSettings settings = EditorSettings();
    settings.setValue(GridShownKey, m_grid.Shown);
    settings.setValue(GridSnapKey, m_grid.Snap);
    settings.setValue(GridSizeKey, m_grid.Size);
    emit CanvasViewChanged();
}

void Editor::LoadGrid()
{
    const QSettings settings = EditorSettings();
    m_grid.Shown = settings.value(GridShownKey, false).toBool();
    m_grid.Snap = settings.value(GridSnapKey, false).toBool();
    // A size edited by hand into nonsense falls back to the default.
    bool number = false;
    const int size = settings.value(GridSizeKey, CanvasGrid::DefaultSize).toInt(&number);
    m_grid.Size = number && size >= 1 && size <= CanvasGrid::LargestSize ? size : CanvasGrid::DefaultSize;
}

SnapSettings Editor::Snapping() const
{
    return {true, 4 / m_zoom.Scale(), m_grid.Snap ? m_grid.Size : 0};
}
