#include "model/gradient_drawing.h"

#include <algorithm>

namespace {

// How a start colour drives each of red, green and blue.
enum class Role { Zero, Half, Full };
struct Roles {
    Role Red;
    Role Green;
    Role Blue;
};

constexpr Role O = Role::Zero;
constexpr Role H = Role::Half;
constexpr Role F = Role::Full;

// In TStartColor order.
constexpr std::array<Roles, 14> StartRoles = {{
    {O, F, F}, // scAqua
    {O, O, F}, // scBlue
    {F, O, F}, // scFuchsia
    {H, H, H}, // scGray
    {O, H, O}, // scGreen
    {O, F, O}, // scLime
    {H, O, O}, // scMaroon
    {O, O, H}, // scNavy
    {H, H, O}, // scOlive
    {H, O, H}, // scPurple
    {F, O, O}, // scRed
    {O, H, H}, // scTeal
    {F, F, F}, // scWhite
    {F, F, O}, // scYellow
}};

int Level(Role role, int c, TEndColor end)
{
    if (end == TEndColor::ecBlack)
        return role == Role::Full ? c : role == Role::Half ? c / 2 : 0;
    return role == Role::Full ? 255 : role == Role::Half ? 128 + c / 2 : c;
}

// A palette index from a float product; the clamp only guards rounding at the top.
int Index(float value) { return std::clamp(int(value), 0, 255); }

} // namespace

GradientDrawing::GradientDrawing() { BuildPalette(); }

void GradientDrawing::SetDirection(TGradDirection direction)
{
    m_direction = direction;
    BuildPalette();
}

void GradientDrawing::SetEndColor(TEndColor endColor)
{
    m_endColor = endColor;
    BuildPalette();
}

void GradientDrawing::SetStartColor(TStartColor startColor)
{
    m_startColor = startColor;
    BuildPalette();
}

void GradientDrawing::SetStepWidth(int stepWidth) { m_stepWidth = std::clamp(stepWidth, 1, 10); }

void GradientDrawing::BuildPalette()
{
    for (int i = 0; i < 256; ++i)
        m_palette[i] = Entry(i);
}

QRgb GradientDrawing::Entry(int i) const
{
    // Towards black the level falls along the palette, towards white it rises.
    const bool downRight = m_direction == TGradDirection::gdDownRight;
    const bool rising = (m_endColor == TEndColor::ecWhite) == downRight;
    const int c = rising ? i : 255 - i;
    const Roles& roles = StartRoles[size_t(m_startColor)];
    return qRgb(Level(roles.Red, c, m_endColor), Level(roles.Green, c, m_endColor), Level(roles.Blue, c, m_endColor));
}

std::vector<GradientShape> GradientDrawing::Shapes(int width, int height) const
{
    if (width <= 0 || height <= 0)
        return {};
    switch (m_style) {
    case TGradStyle::gsHorizontal:
        return Bands(width, height, false);
    case TGradStyle::gsVertical:
        return Bands(width, height, true);
    case TGradStyle::gsEllipse:
        return Ellipses(width, height);
    case TGradStyle::gsPyramid:
        return Pyramid(width, height);
    }
    return {};
}

std::vector<GradientShape> GradientDrawing::Bands(int width, int height, bool vertical) const
{
    const float s = float(vertical ? width : height) / 255.0f;
    const int band = int(s + 1.0f);
    std::vector<GradientShape> shapes;
    int p = 0;
    for (int i = 0; i <= 255; ++i) {
        const QPoint first = vertical ? QPoint(p, 0) : QPoint(0, p);
        const QPoint second = vertical ? QPoint(p + band, height) : QPoint(width, p + band);
        shapes.push_back({GradientShape::Kind::Rectangle, first, second, m_palette[i], 1});
        // The next band starts where this index, not the next one, puts it.
        p = int(float(i) * s);
    }
    return shapes;
}

std::vector<GradientShape> GradientDrawing::Ellipses(int width, int height) const
{
    const int half = width / 2 - 2;
    std::vector<GradientShape> shapes;
    if (half <= 2)
        return shapes;
    const float ry = float(height) / float(width);
    const float cs = 255.0f / float(half);
    int x = 1;
    int y = 1;
    for (int d = 2; d < half; d += m_stepWidth) {
        shapes.push_back({GradientShape::Kind::Ellipse, QPoint(x, y), QPoint(width - x, height - y),
                          m_palette[Index(float(d) * cs)], 1});
        y = int(float(d) * ry);
        x = d;
    }
    return shapes;
}

std::vector<GradientShape> GradientDrawing::Pyramid(int width, int height) const
{
    const QPoint centre(width / 2, height / 2);
    const float cs = 255.0f / float(width + height);
    auto line = [&](QPoint from, QPoint to, float index) {
        return GradientShape{GradientShape::Kind::Line, from, to, m_palette[Index(index * cs)], m_stepWidth};
    };
    std::vector<GradientShape> shapes;
    for (int e = 0; e <= width; e += m_stepWidth) {
        shapes.push_back(line(QPoint(e, 0), centre, float(e)));
        shapes.push_back(line(centre, QPoint(e, height), float(height + e)));
    }
    for (int e = 0; e <= height; e += m_stepWidth) {
        shapes.push_back(line(QPoint(width, e), centre, float(width + e)));
        shapes.push_back(line(centre, QPoint(0, e), float(e)));
    }
    return shapes;
}
