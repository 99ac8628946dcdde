#pragma once
#include "model/check_finding.h"

#include <QString>

class MenuProject;
struct WebPage;

// Writes the menu as a web page into a folder: index.html and its assets folder
// (index_files/), nothing else and nothing outside it. Everything is written
// into a temporary folder inside the target first and then swapped in, so an
// older export is replaced whole (no file of it stays) and a failure leaves it
// as it was. An index.html that the export did not write is not replaced.
namespace WebPageExport {

// Builds and writes the page of the project whose INI file is `iniFile`; names
// from the root of the disc resolve against `cdRoot` when it is given. Returns
// what the page could not show or link. Throws VyxError when the page cannot be
// written.
CheckFindings Write(const MenuProject& project, const QString& iniFile, const QString& folder,
                    const QString& cdRoot = {});

// Writes a built page into the folder, as Write does.
void WritePage(const WebPage& page, const QString& folder);

} // namespace WebPageExport
