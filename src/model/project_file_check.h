#pragma once
#include "model/check_finding.h"

#include <QString>

// Loads the INI file into a project of its own and checks it with the CD root
// (which may be empty), and names the button sections the load dropped. Throws VyxError when the file is missing or loading stops.
CheckFindings CheckProjectFile(const QString& iniFile, const QString& cdRoot);

// "error [Button#3] Width: ..." or, for a file on the disc, "warning path: ...".
QString FindingLine(const CheckFinding& finding);
