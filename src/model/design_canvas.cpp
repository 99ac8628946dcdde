#include "model/design_canvas.h"

#include "model/menu_project.h"
#include "platform/focus_rect.h"

#include <algorithm>
#include <cstring>

QRect ButtonRect(const MenuButton& b)
{
    return QRect(QPoint(b.Left, b.Top), QPoint(b.Left + b.Width - 1, b.Top + b.Height - 1));
}

void DesignCanvas::EnsureCreated(int width, int height)
{
    if (!m_image.isNull())
        return;
    m_image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    MarkDirty(m_image.rect());
}

void DesignCanvas::Resize(int width, int height)
{
    if (!m_image.isNull() && m_image.size() == QSize(std::max(width, 1), std::max(height, 1)))
        return;
    m_image = QImage();
    EnsureCreated(width, height);
}

void DesignCanvas::ReplaceWith(const QImage& picture)
{
    m_image = picture.convertToFormat(QImage::Format_RGB32);
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
    CopyRect(project.NormalPicture, QRect(0, 0, project.Main.SizeX, project.Main.SizeY));
    for (const MenuButton& b : project.Buttons)
        if (b.Used)
            RedrawButton(b);
}

void DesignCanvas::PaintState(const MenuButton& button, const QImage& picture)
{
    CopyRect(picture, ButtonRect(button).normalized());
}

// A 1:1 copy of one rectangle, clipped to both bitmaps.
void DesignCanvas::CopyRect(const QImage& source, QRect rect)
{
    rect &= m_image.rect();
    if (!source.isNull())
        rect &= source.rect();
    else
        rect = QRect();
    if (rect.isEmpty() || source.format() != QImage::Format_RGB32)
        return;
    const size_t bytes = size_t(rect.width()) * 4;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const uchar* from = source.constScanLine(y) + size_t(rect.left()) * 4;
        uchar* to = m_image.scanLine(y) + size_t(rect.left()) * 4;
        std::memcpy(to, from, bytes);
    }
    MarkDirty(rect);
}

QRect DesignCanvas::TakeDirty()
{
    const QRect dirty = m_dirty & m_image.rect();
    m_dirty = QRect();
    return dirty;
}
