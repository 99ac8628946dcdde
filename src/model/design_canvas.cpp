#include "model/design_canvas.h"

#include "model/menu_project.h"
#include "model/stored_rect.h"
#include "platform/focus_rect.h"

#include <QRegion>

#include <algorithm>
#include <cstring>

QRect ButtonRect(const MenuButton& b) { return StoredRect(b.Left, b.Top, b.Width, b.Height); }

template <typename F>
void DesignCanvas::ForEachLayer(F&& draw)
{
    draw(m_image);
    if (m_keepPlain)
        draw(m_plain);
}

void DesignCanvas::KeepPlain(bool keep)
{
    m_keepPlain = keep;
    m_plain = keep ? m_image.copy() : QImage();
}

void DesignCanvas::EnsureCreated(int width, int height)
{
    if (!m_image.isNull())
        return;
    ForEachLayer([&](QImage& layer) {
        layer = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
        layer.fill(Qt::white);
    });
    MarkDirty(m_image.rect());
}

void DesignCanvas::Resize(int width, int height)
{
    if (!m_image.isNull() && m_image.size() == QSize(std::max(width, 1), std::max(height, 1)))
        return;
    ForEachLayer([](QImage& layer) { layer = QImage(); });
    EnsureCreated(width, height);
}

void DesignCanvas::ReplaceWith(const QImage& picture)
{
    ForEachLayer([&](QImage& layer) { layer = picture.convertToFormat(QImage::Format_RGB32); });
    MarkDirty(m_image.rect());
}

void DesignCanvas::ToggleFrame(const QRect& r)
{
    // QRect keeps right/bottom inclusive; the frame's are exclusive.
    DrawFocusRect(m_image, r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    MarkDirty(r.normalized().adjusted(-1, -1, 1, 1));
}

void DesignCanvas::RedrawButton(const MenuButton& button) { ToggleFrame(ButtonRect(button)); }

void DesignCanvas::RedrawCanvas(const MenuProject& project)
{
    const QSize size = m_menuSize.isValid() ? m_menuSize : QSize(project.Main.SizeX, project.Main.SizeY);
    const QRect menu(0, 0, std::max(size.width(), 0), std::max(size.height(), 0));
    CopyRect(project.NormalPicture, menu);
    // Nothing is copied beyond the menu area: blank it, or frames and state
    // pictures drawn there would stay and each redraw would toggle those frames.
    for (const QRect& outside : QRegion(m_image.rect()).subtracted(menu))
        FillBlank(outside);
    MarkDirty(m_image.rect());
    for (const MenuButton& b : project.Buttons)
        if (b.Used)
            RedrawButton(b);
}

void DesignCanvas::PaintState(const MenuButton& button, const QImage& picture)
{
    CopyRect(picture, ButtonRect(button).normalized());
}

// A 1:1 copy of one rectangle, clipped to the canvas. Where the picture does not
// reach (missing or smaller than the area) the canvas turns blank: leaving the old
// pixels would let the frame drawn next cancel a frame already there.
void DesignCanvas::CopyRect(const QImage& source, QRect rect)
{
    rect &= m_image.rect();
    if (rect.isEmpty())
        return;
    const QRect covered = rect & source.rect();
    if (covered != rect)
        FillBlank(rect);
    if (source.format() == QImage::Format_RGB32)
        CopyRows(source, covered, covered.topLeft());
    else if (!covered.isEmpty())
        CopyRows(source.copy(covered).convertToFormat(QImage::Format_RGB32), QRect(QPoint(), covered.size()),
                 covered.topLeft());
    MarkDirty(rect);
}

void DesignCanvas::CopyRows(const QImage& source, const QRect& from, QPoint to)
{
    const size_t bytes = size_t(from.width()) * 4;
    ForEachLayer([&](QImage& layer) {
        for (int row = 0; row < from.height(); ++row)
            std::memcpy(layer.scanLine(to.y() + row) + size_t(to.x()) * 4,
                        source.constScanLine(from.top() + row) + size_t(from.left()) * 4, bytes);
    });
}

void DesignCanvas::FillBlank(const QRect& rect)
{
    ForEachLayer([&](QImage& layer) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memset(layer.scanLine(y) + size_t(rect.left()) * 4, 0xFF, size_t(rect.width()) * 4);
    });
}

QRect DesignCanvas::TakeDirty()
{
    const QRect dirty = m_dirty & m_image.rect();
    m_dirty = QRect();
    return dirty;
}
