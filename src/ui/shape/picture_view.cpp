#include "ui/shape/picture_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::ShowPicture(const QImage* picture)
{
    m_picture = picture;
    const QSize size = picture && !picture->isNull() ? picture->size() : QSize(1, 1);
    if (size != this->size())
        setFixedSize(size);
    update();
}

QSize PictureView::WindowSizeFor(const QSize& controls) const
{
    const QSize wanted = controls + size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? wanted.boundedTo(screen->availableSize()) : wanted;
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    if (m_picture && !m_picture->isNull())
        painter.drawImage(event->rect().topLeft(), *m_picture, event->rect());
}

void PictureView::mousePressEvent(QMouseEvent* event) { emit Pressed(event->position().toPoint()); }

void PictureView::mouseMoveEvent(QMouseEvent* event) { emit Moved(event->position().toPoint()); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) { emit Released(event->position().toPoint()); }
