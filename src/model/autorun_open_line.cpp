#include "model/autorun_open_line.h"

#include "model/autorun_disc.h"
#include "platform/code_page.h"

#include <QFile>

namespace {

std::optional<QString> OpenValue(const QByteArray& bytes)
{
    bool inAutorun = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = CodePage::ToUnicode(raw.trimmed());
        if (line.startsWith(u'['))
            inAutorun = line.compare(QStringLiteral("[autorun]"), Qt::CaseInsensitive) == 0;
        else if (inAutorun && line.section(u'=', 0, 0).trimmed().compare(QStringLiteral("open"), Qt::CaseInsensitive) == 0)
            return line.section(u'=', 1).trimmed();
    }
    return std::nullopt;
}

QString ProgramOf(const QString& command)
{
    if (command.startsWith(u'"'))
        return command.mid(1).section(u'"', 0, 0);
    return command.section(u' ', 0, 0);
}

} // namespace

std::optional<QString> AutorunOpenTarget(const QString& cdRoot)
{
    QFile file(DiscLocalPath(AutorunFileName(cdRoot)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QString> command = OpenValue(file.read(64 * 1024));
    if (!command || ProgramOf(*command).isEmpty())
        return std::nullopt;
    return ProgramOf(*command);
}

std::optional<QString> AutorunProjectFile(const QString& cdRoot)
{
    const std::optional<QString> program = AutorunOpenTarget(cdRoot);
    if (!program)
        return std::nullopt;
    const qsizetype slash = program->lastIndexOf(u'\\');
    const QString folder = slash < 0 ? QString() : program->left(slash + 1);
    return DiscLocalPath(cdRoot + folder + QStringLiteral("launcher.ini"));
}
