#pragma once
#include <QString>
#include <QUrl>

// Where the help topics are read from: the folder installed beside the program
// (share/vyxedit/help under the prefix of its bin folder) when it holds the
// topic list, else the copy built into the program.
QString HelpFolder(const QString& programFolder);

// A topic page, with its anchor, in that folder.
QUrl HelpPageUrl(const QString& folder, const QString& page, const QString& anchor);
