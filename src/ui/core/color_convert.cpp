#include "ui/core/color_convert.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace {

// The palette role that stands in for each system colour index.
QColor SystemColor(uint32_t index)
{
    const QPalette palette = QApplication::palette();
    using R = QPalette::ColorRole;
    constexpr std::array<R, 25> roles = {
        R::Button,          R::Window,          R::Highlight,       R::Mid,
        R::Window,          R::Base,            R::Shadow,          R::WindowText,
        R::Text,            R::HighlightedText, R::Button,          R::Mid,
        R::Dark,            R::Highlight,       R::HighlightedText, R::Button,
        R::Mid,             R::PlaceholderText, R::ButtonText,      R::AlternateBase,
        R::Light,           R::Shadow,          R::Midlight,        R::ToolTipText,
        R::ToolTipBase};
    if (index >= roles.size())
        return QColor(Qt::black);
    return palette.color(roles[index]);
}

} // namespace

QColor ColorToQColor(uint32_t color)
{
    if (color & 0x80000000u)
        return SystemColor(color & 0xFFu);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

uint32_t QColorToColor(const QColor& color)
{
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}
