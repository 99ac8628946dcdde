#pragma once
#include <QString>
#include <QStringList>

// Every name in a disc image's Joliet tree, as xorriso lists it
// ("Launcher/help/welcome.rtf"), sorted.
QStringList JolietListing(const QString& image);

// Every file and folder under a folder, named relative to it the same way, sorted.
QStringList FolderListing(const QString& folder);
