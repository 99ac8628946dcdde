#include "ui/controls/progress.h"

#include "ui/core/color_convert.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

// numerator / denominator rounded to the nearest integer, halves to even.
qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator)
{
    if (denominator < 0)
        numerator = -numerator, denominator = -denominator;
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0)
        --quotient, remainder += denominator;
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

// One channel at column b of `span`: from x (1 - t) + to x t with t = b / span.
int Blend(int from, int to, qint64 b, qint64 span)
{
    return int(DivideRoundHalfEven(from * (span - b) + to * b, span));
}

} // namespace

TProgress::TProgress(QWidget* parent) : QWidget(parent)
{
    resize(217, 40);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TProgress::SetColor(QColor& member, const QColor& color)
{
    member = color;
    update();
}

void TProgress::SetBackColor(const QColor& color) { SetColor(m_backColor, color); }
void TProgress::SetBorderColor(const QColor& color) { SetColor(m_borderColor, color); }
void TProgress::SetFromColor(const QColor& color) { SetColor(m_fromColor, color); }
void TProgress::SetToColor(const QColor& color) { SetColor(m_toColor, color); }

void TProgress::SetTextFont(const QFont& font)
{
    m_textFont = font;
    update();
}

void TProgress::SetTextColor(uint32_t color)
{
    m_textColor = color;
    update();
}

void TProgress::SetProgress(int progress)
{
    if (progress > 100 || progress == m_progress)
        return;
    m_progress = progress;
    repaint();
}

void TProgress::SetText(const QString& text)
{
    m_text = text;
    repaint();
}

QImage TProgress::Compose() const
{
    QImage image(width(), height(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.fillRect(image.rect(), m_borderColor);
        painter.fillRect(image.rect().adjusted(1, 1, -1, -1), m_backColor);
    }
    DrawGradient(image);
    DrawText(image);
    return image;
}

void TProgress::DrawGradient(QImage& image) const
{
    const qint64 span = width() - 2;
    if (span <= 0)
        return;
    const qint64 filled = DivideRoundHalfEven(qint64(m_progress) * span, 100);
    QPainter painter(&image);
    for (qint64 b = 1; b <= filled; ++b) {
        const QColor color(Blend(m_fromColor.red(), m_toColor.red(), b, span),
                           Blend(m_fromColor.green(), m_toColor.green(), b, span),
                           Blend(m_fromColor.blue(), m_toColor.blue(), b, span));
        painter.fillRect(QRect(int(b), 1, 1, height() - 2), color);
    }
}

void TProgress::DrawText(QImage& image) const
{
    if (m_text.isEmpty())
        return;
    const QFontMetrics metrics(m_textFont);
    const int tw = metrics.horizontalAdvance(m_text);
    const int th = metrics.height();
    if (tw <= 0 || th <= 0)
        return;
    const QRgb textColor = ColorToQColor(m_textColor).rgb() | 0xff000000u;
    QImage text(tw, th, QImage::Format_RGB32);
    text.fill(QColor(255 - qRed(textColor), 255 - qGreen(textColor), 255 - qBlue(textColor)));
    {
        QPainter painter(&text);
        painter.setFont(m_textFont);
        painter.setPen(QColor(textColor));
        painter.drawText(0, metrics.ascent(), m_text);
    }
    // Only the text colour itself is copied: smoothed edge pixels are dropped.
    const int ox = width() / 2 - tw / 2;
    const int oy = height() / 2 - th / 2;
    for (int y = 0; y < th; ++y) {
        for (int x = 0; x < tw; ++x) {
            const QPoint target(x + ox, y + oy);
            if (text.pixel(x, y) == textColor && image.rect().contains(target))
                image.setPixel(target, textColor);
        }
    }
}

void TProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Compose());
}

void TProgress::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void TProgress::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}
