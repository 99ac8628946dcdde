#pragma once
#include <QString>
#include <QStringList>

// Comma text: values split at commas and blanks, a double-quoted value keeping
// its blanks and commas ("" inside stands for one quote).
QStringList ParseCommaText(const QString& text);
QString ToCommaText(const QStringList& values);
