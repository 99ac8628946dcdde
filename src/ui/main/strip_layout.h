#pragma once
#include <QRect>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

// The bottom strip's controls have fixed places, as on the player's designer.
QPushButton* PlaceButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
QCheckBox* PlaceCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
QLineEdit* PlaceLineEdit(QWidget* parent, const QString& name, const QRect& geometry);
