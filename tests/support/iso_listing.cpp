#include "support/iso_listing.h"

#include "support/program_run.h"

#include <QDir>
#include <QDirIterator>

QStringList JolietListing(const QString& image)
{
    const ProgramRun run = RunProgram("xorriso", {"-read_fs", "norock", "-indev", image, "-find", "/"});
    QStringList names;
    for (const QByteArray& line : run.out.split('\n'))
        if (line.startsWith("'/") && line.size() > 3)
            names << QString::fromUtf8(line.mid(2, line.size() - 3));
    names.sort();
    return names;
}

QStringList FolderListing(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}
