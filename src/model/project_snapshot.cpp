#include "model/project_snapshot.h"

void ProjectSnapshot::Take(const MenuProject& project)
{
    m_records = Records{project.Main, project.Buttons, project.TextInfo, project.Shape};
}

bool ProjectSnapshot::Differs(const MenuProject& project) const
{
    if (!m_records)
        return true;
    const Records& saved = *m_records;
    return !(saved.Main == project.Main && saved.Buttons == project.Buttons && saved.TextInfo == project.TextInfo
             && saved.Shape == project.Shape);
}
