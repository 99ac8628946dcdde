#include "platform/iso_image_writer.h"

#include "platform/file_operations.h"
#include "platform/vyx_error.h"
#include "platform/writer_temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

const QString Xorriso = QStringLiteral("xorriso");

// xorriso reports "xorriso : UPDATE :  12.34% done" about once a second; the
// last report in the lines, or `percent` when there is none.
int LastPercent(const QByteArray& lines, int percent)
{
    static const QRegularExpression done(QStringLiteral("UPDATE :\\s*([0-9]+)(?:\\.[0-9]+)?% done"));
    auto match = done.globalMatch(QString::fromLocal8Bit(lines));
    while (match.hasNext())
        percent = std::min(match.next().captured(1).toInt(), 100);
    return percent;
}

// Temporary files that killed writers left stay off the disc. A symbolic link
// is stored as the file it leads to: Windows sees no links on a disc, and a
// link to the build machine's files would mean nothing there.
QStringList Arguments(const QString& folder, const QString& imageFile, const QString& volumeLabel,
                      const QStringList& leftOut)
{
    QStringList args = {QStringLiteral("-abort_on"), QStringLiteral("FAILURE"), QStringLiteral("-report_about"),
                        QStringLiteral("UPDATE"),    QStringLiteral("-outdev"),  imageFile,
                        QStringLiteral("-volid"),    volumeLabel,                QStringLiteral("-joliet"),
                        QStringLiteral("on"),        QStringLiteral("-rockridge"), QStringLiteral("on"),
                        QStringLiteral("-follow"),   QStringLiteral("link")};
    for (const QString& pattern : WriterTempPatterns() + leftOut)
        args << QStringLiteral("-not_leaf") << pattern;
    return args << QStringLiteral("-map") << folder << QStringLiteral("/") << QStringLiteral("-commit");
}

// One rename over the old image, so that a kill at any moment leaves the old
// image or the new one.
void PutInPlace(const QString& partial, const QString& imageFile)
{
    if (FileOperations::Current().ReplaceAtomically(partial, imageFile))
        return;
    const int error = errno;
    QFile::remove(partial);
    throw VyxError(QStringLiteral("Cannot create file %1: %2").arg(imageFile, FileErrorText(error)));
}

} // namespace

QString IsoImageWriter::DefaultVolumeLabel(const QString& folder)
{
    QString label = QFileInfo(QDir::cleanPath(folder)).fileName().toUpper();
    for (QChar& c : label) {
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'))
            c = u'_';
    }
    label.truncate(VolumeLabelLimit);
    return label.isEmpty() ? QStringLiteral("CDROM") : label;
}

bool IsoImageWriter::XorrisoAvailable() { return !QStandardPaths::findExecutable(Xorriso).isEmpty(); }

bool IsoImageWriter::Write(const QString& folder, const QString& imageFile, const QString& volumeLabel,
                           const Progress& progress, const QStringList& leftOut)
{
    if (!XorrisoAvailable())
        throw VyxError(QStringLiteral("xorriso is not installed; the image needs it (Debian package xorriso)"));
    const QString partial = imageFile + QStringLiteral(".part");
    QFile::remove(partial);
    QProcess process;
#ifdef Q_OS_LINUX
    // Killed with us, xorriso would go on writing a .part that nobody renames.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process.start(Xorriso, Arguments(folder, partial, volumeLabel, leftOut));
    if (!process.waitForStarted())
        throw VyxError(QStringLiteral("Cannot start xorriso: ") + process.errorString());
    QByteArray messages;
    int percent = 0;
    // Told once at the start, so even a short run can be stopped.
    while (!progress || progress(percent)) {
        if (process.state() == QProcess::NotRunning || process.waitForFinished(100)) {
            messages += process.readAllStandardError();
            break;
        }
        const QByteArray chunk = process.readAllStandardError();
        messages += chunk;
        percent = LastPercent(chunk, percent);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        QFile::remove(partial);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QFile::remove(partial);
        throw VyxError(QStringLiteral("xorriso could not write %1:\n%2").arg(imageFile, QString::fromLocal8Bit(messages).trimmed()));
    }
    if (progress)
        progress(100);
    PutInPlace(partial, imageFile);
    return true;
}
