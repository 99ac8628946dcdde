#include "model/project_file_check.h"

#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_check.h"
#include "model/project_loader.h"
#include "platform/file_names.h"
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
    return ProjectCheck(*project, iniFile, cdRoot).Run();
}

QString FindingLine(const CheckFinding& finding)
{
    return finding.Line();
}
