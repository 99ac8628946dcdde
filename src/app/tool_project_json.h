#pragma once
#include <QJsonObject>
#include <QString>
#include <QStringList>

class MenuProject;

// The project as vyxtool dump prints it; text is converted from the code page.
QJsonObject ProjectToJson(const MenuProject& project, const QStringList& log, const QString& error);
