#include "model/mask_maker.h"

#include "model/mask_builder.h"
#include "platform/picture_converter.h"

#include <QPainter>

void MaskMaker::UsePicture(const QImage& picture)
{
    m_shown = picture.convertToFormat(QImage::Format_RGB32);
    m_hidden = m_shown.copy();
}

void MaskMaker::LoadSourcePicture(const QString& localPath, const QSize& svgSize)
{
    UsePicture(PictureConverter::ReadOpaque(localPath, svgSize));
}

void MaskMaker::PickColor(QPoint at)
{
    if (m_shown.valid(at))
        m_maskColor = PixelColor(m_shown.pixel(at));
}

void MaskMaker::Restore() { m_shown = m_hidden.copy(); }

void MaskMaker::BuildRegion(int tolerance, const std::function<void(int y)>& rowStarted)
{
    m_region.AssignRegion(nullptr);
    const Region built = MaskBuilder::Build(m_shown, m_maskColor, tolerance, rowStarted);
    m_region.AssignRegion(&built);
}

void MaskMaker::Preview()
{
    if (!m_region.HasRegion())
        return;
    QPainter painter(&m_shown);
    for (const RegionRect& r : m_region.Current().Rects())
        painter.fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), QColor(255, 0, 0));
}

std::optional<QString> MaskMaker::SizeMismatch(int sizeX, int sizeY) const
{
    if (!m_region.HasRegion() || m_hidden.size() == QSize(sizeX, sizeY))
        return std::nullopt;
    return QStringLiteral("The mask was made from a %1 x %2 picture but the menu is %3 x %4: "
                          "the player's window would be empty or cut")
        .arg(m_hidden.width())
        .arg(m_hidden.height())
        .arg(sizeX)
        .arg(sizeY);
}
