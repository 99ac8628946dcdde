#include "model/project_file_check.h"

#include "model/dropped_button_check.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_check.h"
#include "model/project_loader.h"
#include "platform/file_names.h"
#include "platform/profile_file.h"
#include "platform/vyx_error.h"

#include <QFileInfo>
#include <memory>

CheckFindings CheckProjectFile(const QString& iniFile, const QString& cdRoot)
{
    if (!QFileInfo(iniFile).isFile())
        throw VyxError(QStringLiteral("INI file not found: ") + iniFile);
    const QString keep = CurrentFolder(); // loading changes it
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    try {
        LoadProject(*project, iniFile, view);
    } catch (...) {
        SetCurrentFolder(keep);
        throw;
    }
    SetCurrentFolder(keep);
    // Loading drops some sections without a trace: only the file still shows them.
    ProfileFile ini;
    ini.Load(iniFile);
    return ProjectCheck(*project, iniFile, cdRoot).Run() + DroppedButtonFindings(ini);
}

QString FindingLine(const CheckFinding& finding)
{
    return finding.Line();
}
