#pragma once
#include <QSettings>

// The editor's own settings, outside the project files: the recent projects and
// the canvas's grid, in the user's configuration folder (~/.config/vyxedit/vyxedit.ini).
inline QSettings EditorSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vyxedit"), QStringLiteral("vyxedit"));
}
