#include "model/preview_action.h"

#include "model/design_canvas.h"
#include "model/menu_project.h"
#include "platform/code_page.h"
#include "platform/file_names.h"

#include <QStringList>

namespace {

QString Joined(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    return kept.join(u' ');
}

bool IsProgram(const QString& target)
{
    static const QStringList programs{QStringLiteral(".EXE"), QStringLiteral(".COM"), QStringLiteral(".BAT"),
                                      QStringLiteral(".CMD"), QStringLiteral(".PIF")};
    return programs.contains(ExtractFileExt(target).toUpper());
}

// RUN starts a program itself; any other target goes to the shell with its verb.
QString RunLine(const MenuButton& button)
{
    const QString target = CodePage::ToUnicode(button.Params);
    const QString params = CodePage::ToUnicode(button.ShellRunParams);
    QString verb = CodePage::ToUnicode(button.ShellRunAction).trimmed();
    if (target.trimmed().isEmpty())
        return QStringLiteral("RUN (no file named)");
    if (IsProgram(target) || verb.isEmpty())
        verb = IsProgram(target) ? QStringLiteral("RUN") : QStringLiteral("Open");
    QString line = Joined({verb, target, params});
    const QString folder = CodePage::ToUnicode(button.ShellRunPath).trimmed();
    if (!folder.isEmpty())
        line += QStringLiteral(" (in ") + folder + u')';
    return line;
}

QString WinExecLine(const MenuButton& button)
{
    const QString command = CodePage::ToUnicode(button.Params).trimmed();
    return command.isEmpty() ? QStringLiteral("WINEXEC (no command)") : QStringLiteral("WINEXEC ") + command;
}

} // namespace

QString PreviewAction::LineFor(const MenuButton& button)
{
    const QByteArray action = button.Action;
    if (action == "RUN")
        return RunLine(button);
    if (action == "RUN&CLOSE")
        return RunLine(button) + QStringLiteral(", then close the menu");
    if (action == "RUN&MINIMIZE")
        return RunLine(button) + QStringLiteral(", then minimize the menu");
    if (action == "WINEXEC")
        return WinExecLine(button);
    if (action == "MINIMIZE")
        return QStringLiteral("Minimize the menu");
    if (action == "CLOSE")
        return QStringLiteral("Close the menu");
    if (action == "EJECT")
        return QStringLiteral("Eject the disc");
    if (action == "NONE" || action.isEmpty())
        return QStringLiteral("Nothing");
    return QStringLiteral("Unknown action ") + CodePage::ToUnicode(action);
}

int PreviewAction::ButtonAt(const MenuProject& project, QPoint at)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& button = project.Buttons[size_t(slot)];
        if (button.Used && ButtonRect(button).normalized().contains(at))
            return slot;
    }
    return -1;
}

QString PreviewAction::SoundFor(const MenuProject& project, int slot, bool click)
{
    if (slot < 0 || slot >= MenuProject::SlotCount)
        return {};
    const MenuButton& button = project.Buttons[size_t(slot)];
    const Text& own = click ? button.SoundClick : button.SoundOver;
    const Text& common = click ? project.Main.SoundClick : project.Main.SoundOver;
    return CodePage::ToUnicode(own.isEmpty() ? common : own);
}
