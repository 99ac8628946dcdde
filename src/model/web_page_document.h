#pragma once
#include "model/check_finding.h"

#include <QByteArray>
#include <QString>
#include <future>
#include <vector>

class MenuProject;
class WebPageNames;

// A file the page shows or plays, put beside it in its assets folder: a copy of
// a file on the disc (or of the replaced export's PNG of an unchanged picture),
// or a picture to be written as PNG.
struct WebPageAsset {
    QString Name;   // inside the assets folder
    QString Source; // the file to copy; empty when Png is to be written
    // The PNG file's bytes, encoded on a thread of its own while the rest of
    // the page is built (get() throws VyxError when the encoding failed).
    std::shared_future<QByteArray> Png;
};

// The menu as one page: its HTML (CSS and script inline), the files it needs
// and what it could not show or link.
struct WebPage {
    static constexpr const char* AssetsFolder = "index_files";
    static constexpr const char* PageName = "index.html";
    static constexpr const char* Generator = "vyxedit";

    QString Html;
    std::vector<WebPageAsset> Assets;
    CheckFindings Problems;
};

// Builds the page for the project whose INI file is `iniFile` (a local path):
// the background at the menu's size, a link per used button in slot order over
// its rectangle (its over picture on hover and focus, its click picture while
// pressed), the text area with the help texts, the sounds, the custom shape or
// mask as a clip path and the title. Reads the files; writes nothing.
WebPage BuildWebPage(const MenuProject& project, const QString& iniFile, const WebPageNames& names);
