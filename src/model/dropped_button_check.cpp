#include "model/dropped_button_check.h"

#include "model/launcher_ini_layout.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "platform/profile_file.h"

#include <QStringList>
#include <algorithm>

using namespace LauncherIni;

namespace {

// A section is the user's button when it holds any key a button is drawn with.
bool HoldsButton(const ProfileFile& ini, const QByteArray& section)
{
    if (ini.ReadString(section, ActionKey) || ini.ReadString(section, NameKey))
        return true;
    return std::any_of(ButtonGeometry.cbegin(), ButtonGeometry.cend(),
                       [&](const auto& k) { return ini.ReadString(section, k.key).has_value(); });
}

CheckFinding Dropped(const QString& section, const MenuButton& b)
{
    struct Reason {
        bool applies;
        QString key;
        QString text;
    };
    const Reason reasons[] = {
        {b.Width <= 0 || b.Height <= 0, b.Width <= 0 ? QStringLiteral("Width") : QStringLiteral("Height"),
         QStringLiteral("width %1, height %2").arg(b.Width).arg(b.Height)},
        {b.Left < 0 || b.Top < 0, b.Left < 0 ? QStringLiteral("Left") : QStringLiteral("top"),
         QStringLiteral("left %1, top %2").arg(b.Left).arg(b.Top)},
        {b.Action.isEmpty(), QString::fromLatin1(ActionKey), QStringLiteral("no action")},
    };
    QString key;
    QStringList texts;
    for (const Reason& reason : reasons) {
        if (!reason.applies)
            continue;
        key = key.isEmpty() ? reason.key : key;
        texts << reason.text;
    }
    return {CheckFinding::Severity::Warning, section, key,
            QStringLiteral("[%1] is dropped when the project loads: %2").arg(section, texts.join(QStringLiteral(", ")))};
}

} // namespace

CheckFindings DroppedButtonFindings(const ProfileFile& ini)
{
    CheckFindings findings;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton button = ReadMenuButton(ini, slot);
        if (!button.Used && HoldsButton(ini, ButtonSection(slot)))
            findings.append(Dropped(QString::fromLatin1(ButtonSection(slot)), button));
    }
    return findings;
}
