#include "ui/main/strip_layout.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename W>
W* Place(W* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

QPushButton* PlaceButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return Place(new QPushButton(caption, parent), name, geometry);
}

QCheckBox* PlaceCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return Place(new QCheckBox(caption, parent), name, geometry);
}

QLineEdit* PlaceLineEdit(QWidget* parent, const QString& name, const QRect& geometry)
{
    return Place(new QLineEdit(parent), name, geometry);
}
