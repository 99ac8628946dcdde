#include "model/check_finding.h"

#include <algorithm>

int CheckFinding::Slot() const
{
    static const QString prefix = QStringLiteral("Button#");
    if (!Section.startsWith(prefix))
        return -1;
    bool ok = false;
    const int slot = Section.mid(prefix.size()).toInt(&ok);
    return ok ? slot : -1;
}

bool HasError(const CheckFindings& findings)
{
    return std::any_of(findings.cbegin(), findings.cend(), [](const CheckFinding& f) { return f.IsError(); });
}
