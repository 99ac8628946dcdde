#pragma once
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <array>
#include <vector>

enum class TGradDirection { gdDownRight, gdUpLeft };
enum class TEndColor { ecBlack, ecWhite };
enum class TStartColor {
    scAqua, scBlue, scFuchsia, scGray, scGreen, scLime, scMaroon,
    scNavy, scOlive, scPurple, scRed, scTeal, scWhite, scYellow
};
enum class TGradStyle { gsEllipse, gsHorizontal, gsPyramid, gsVertical };

// One thing the gradient panel paints: a filled rectangle (right and bottom
// exclusive), a filled ellipse in its box (right and bottom exclusive) or a line
// from First to Second with a pen PenWidth wide.
struct GradientShape {
    enum class Kind { Rectangle, Ellipse, Line };
    Kind Shape;
    QPoint First;
    QPoint Second;
    QRgb Color;
    int PenWidth;
};

// The gradient panel's properties, its 256-entry palette and the shapes each
// style paints, in painting order. Float arithmetic is single precision and
// every float-to-integer conversion truncates, so the shapes match the
// player-era control pixel for pixel.
class GradientDrawing {
public:
    using Palette = std::array<QRgb, 256>;

    GradientDrawing();

    TGradDirection Direction() const { return m_direction; }
    TEndColor EndColor() const { return m_endColor; }
    TStartColor StartColor() const { return m_startColor; }
    int StepWidth() const { return m_stepWidth; }
    TGradStyle Style() const { return m_style; }

    void SetDirection(TGradDirection direction);
    void SetEndColor(TEndColor endColor);
    void SetStartColor(TStartColor startColor);
    // Whole numbers 1 to 10; others are pulled to the nearest bound.
    void SetStepWidth(int stepWidth);
    void SetStyle(TGradStyle style) { m_style = style; }

    const Palette& Colors() const { return m_palette; }
    std::vector<GradientShape> Shapes(int width, int height) const;

private:
    void BuildPalette();
    QRgb Entry(int index) const;
    std::vector<GradientShape> Bands(int width, int height, bool vertical) const;
    std::vector<GradientShape> Ellipses(int width, int height) const;
    std::vector<GradientShape> Pyramid(int width, int height) const;

    TGradDirection m_direction = TGradDirection::gdDownRight;
    TEndColor m_endColor = TEndColor::ecBlack;
    TStartColor m_startColor = TStartColor::scBlue;
    int m_stepWidth = 1;
    TGradStyle m_style = TGradStyle::gsHorizontal;
    Palette m_palette{};
};
