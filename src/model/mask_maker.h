#pragma once
#include "model/plasma_region.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The mask maker without its widgets: the shown picture, its untouched hidden
// copy, the mask colour and the one region object.
class MaskMaker {
public:
    // The mask colour before the first pick.
    static constexpr uint32_t InitialMaskColor = 0xFFFFFF;

    const QImage& Shown() const { return m_shown; }
    const QImage& Hidden() const { return m_hidden; }
    uint32_t MaskColor() const { return m_maskColor; }
    TPlasmaRegion& PlasmaRegion() { return m_region; }
    const TPlasmaRegion& PlasmaRegion() const { return m_region; }

    // Both pictures become copies of `picture`.
    void UsePicture(const QImage& picture);
    // Loads a source picture into both pictures: BMP and JPEG as the player
    // reads them, any other format Qt reads over white (an SVG drawn at
    // `svgSize` when it is not empty); a picture that cannot be read throws
    // VyxError and changes nothing.
    void LoadSourcePicture(const QString& localPath, const QSize& svgSize = {});
    // The shown picture's colour at `at` becomes the mask colour (a pick
    // outside the picture changes nothing).
    void PickColor(QPoint at);
    // The shown picture becomes a copy of the hidden one.
    void Restore();
    // Drops the region, scans the shown picture and keeps the region of its
    // opaque pixels; `rowStarted(y)` runs before each row.
    void BuildRegion(int tolerance, const std::function<void(int y)>& rowStarted = {});
    // Fills the region on the shown picture in solid red; nothing without one.
    void Preview();
    // The warning for a region built from a picture of another size than the
    // menu's `sizeX` x `sizeY`; none without a region or when the sizes agree.
    std::optional<QString> SizeMismatch(int sizeX, int sizeY) const;

private:
    QImage m_shown;
    QImage m_hidden;
    uint32_t m_maskColor = InitialMaskColor;
    TPlasmaRegion m_region;
};
