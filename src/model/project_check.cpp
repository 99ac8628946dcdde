#include "model/project_check.h"

#include "model/autorun_disc.h"
#include "model/autorun_open_line.h"
#include "model/design_canvas.h"
#include "model/help_file.h"
#include "model/mask_file.h"
#include "model/menu_project.h"
#include "model/stored_rect.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"
#include "platform/writer_temp_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRect>

namespace {

using Severity = CheckFinding::Severity;

// Anything but a folder counts as there: a pipe or a device is then refused,
// by name, when it is read, instead of being reported missing.
bool IsPresent(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

const QString Main = QStringLiteral("MAIN");

QString ButtonSection(int slot) { return QStringLiteral("Button#%1").arg(slot); }

QString Unicode(const QByteArray& text) { return CodePage::ToUnicode(text); }

bool HasDriveLetter(const QString& name)
{
    return name.size() >= 2 && name[1] == u':' && name[0].isLetter();
}

bool IsRunAction(const QByteArray& action)
{
    return action == "RUN" || action == "RUN&CLOSE" || action == "RUN&MINIMIZE";
}

bool IsInside(const QString& path, const QString& folder)
{
    return path.startsWith(WithTrailingSlash(QDir::cleanPath(folder)));
}

// Plain text holds no control characters other than tab, line ends, form feed
// and the end-of-file mark.
bool IsPlainText(const QByteArray& bytes)
{
    return std::none_of(bytes.cbegin(), bytes.cend(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x1A;
    });
}

bool HasJolietForbiddenCharacter(const QString& name)
{
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || QStringLiteral("*/:;?\\").contains(c); });
}

} // namespace

ProjectCheck::ProjectCheck(const MenuProject& project, const QString& iniFileName, const QString& cdRoot)
    : m_project(project),
      m_iniFile(AbsoluteName(iniFileName)),
      m_projectFolder(QFileInfo(m_iniFile).absolutePath()),
      m_cdRoot(cdRoot.isEmpty() ? QString() : WithTrailingSlash(AbsoluteName(cdRoot)))
{
}

CheckFindings ProjectCheck::Run()
{
    m_findings.clear();
    CheckMainFiles();
    CheckMaskFile();
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        if (m_project.Buttons[slot].Used)
            CheckButton(slot, m_project.Buttons[slot]);
    }
    CheckOverlaps();
    CheckPictures();
    CheckTextArea();
    CheckShape();
    CheckDiscNames();
    CheckEditorFiles();
    if (!m_cdRoot.isEmpty()) {
        CheckInsideCdRoot(QString(), QFileInfo(m_iniFile).fileName(), m_iniFile);
        CheckAutorun();
    }
    return m_findings;
}

void ProjectCheck::CheckMainFiles()
{
    const MainParams& m = m_project.Main;
    if (m.BackgroundFile.isEmpty())
        Add(Severity::Error, Main, QStringLiteral("background"),
            QStringLiteral("No background picture is named: the player shows an empty window"));
    CheckFile(Main, QStringLiteral("background"), m.BackgroundFile, FileKind::Plain);
    CheckFile(Main, QStringLiteral("backover"), m.BackOverFile, FileKind::Plain);
    CheckFile(Main, QStringLiteral("backclick"), m.BackClickFile, FileKind::Plain);
    CheckFile(Main, QStringLiteral("SoundOver"), m.SoundOver, FileKind::Plain);
    CheckFile(Main, QStringLiteral("SoundClick"), m.SoundClick, FileKind::Plain);
    CheckFile(Main, QStringLiteral("OnLoadSound"), m.OnLoadSound, FileKind::Plain);
    CheckFile(Main, QStringLiteral("IconFile"), m.IconFile, FileKind::Plain);
    CheckFile(QStringLiteral("TextInfo"), QStringLiteral("DefaultFile"), m_project.TextInfo.DefaultFile, FileKind::Help);
}

void ProjectCheck::CheckButtonFiles(int slot, const MenuButton& button)
{
    const QString section = ButtonSection(slot);
    CheckFile(section, QStringLiteral("LoadInfo"), button.LoadInfo, FileKind::Help);
    CheckFile(section, QStringLiteral("SoundOver"), button.SoundOver, FileKind::Plain);
    CheckFile(section, QStringLiteral("SoundClick"), button.SoundClick, FileKind::Plain);
    if (IsRunAction(button.Action))
        CheckFile(section, QStringLiteral("Params"), button.Params, FileKind::RunTarget);
}

// The mask file is optional: only one that the player would miss on a
// case-sensitive tree is worth a word.
void ProjectCheck::CheckMaskFile()
{
    const QString exact = ChangeFileExt(m_iniFile, QStringLiteral(".msk"));
    const QString found = LocalPathOf(exact);
    if (!QFileInfo::exists(exact) && QFileInfo(found).isFile())
        Add(Severity::Warning, Main, QStringLiteral("CustomShape"),
            QStringLiteral("The mask file %1 exists only as %2").arg(QFileInfo(exact).fileName(), QFileInfo(found).fileName()));
}

void ProjectCheck::CheckFile(const QString& section, const QString& key, const QByteArray& storedName, FileKind kind)
{
    if (storedName.isEmpty())
        return;
    const QString name = Unicode(storedName);
    if (kind == FileKind::RunTarget && (HasDriveLetter(name) || name.startsWith(u'\\') || name.contains(u':')))
        return; // only names relative to the project folder are on the disc for sure
    const QString exact = ExactPath(storedName);
    if (exact.isEmpty())
        return;
    const QString found = LocalPathOf(exact);
    if (IsPresent(exact)) {
        CheckExistingFile(section, key, exact, kind);
    } else if (IsPresent(found)) {
        Add(Severity::Warning, section, key,
            QStringLiteral("%1 exists only as %2 (another letter case)").arg(name, QDir(m_projectFolder).relativeFilePath(found)));
        CheckExistingFile(section, key, found, kind);
    } else {
        Add(Severity::Error, section, key, QStringLiteral("File not found: %1").arg(name));
    }
}

void ProjectCheck::CheckExistingFile(const QString& section, const QString& key, const QString& path, FileKind kind)
{
    if (!m_cdRoot.isEmpty())
        CheckInsideCdRoot(section, key, path);
    if (kind == FileKind::Help)
        CheckHelpFile(section, key, path);
}

void ProjectCheck::CheckHelpFile(const QString& section, const QString& key, const QString& path)
{
    std::optional<QByteArray> bytes;
    try {
        bytes = HelpFile::Read(path);
    } catch (const VyxError& e) {
        Add(Severity::Error, section, key, e.Message());
        return;
    }
    if (!bytes) {
        Add(Severity::Error, section, key, QStringLiteral("Cannot open %1: %2").arg(path, FileErrorText(errno)));
        return;
    }
    const QByteArray head = bytes->first(std::min<qsizetype>(bytes->size(), 64 * 1024));
    if (!RtfReader::IsRtf(head) && !IsPlainText(head))
        Add(Severity::Warning, section, key,
            QStringLiteral("%1 is neither RTF nor plain text").arg(QFileInfo(path).fileName()));
}

// A symbolic link is judged by the file it leads to: the disc holds what lies
// inside the CD root, and nothing of the machine that made it.
void ProjectCheck::CheckInsideCdRoot(const QString& section, const QString& key, const QString& path)
{
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath(); // empty for a file not yet written
    if (!IsInside(info.absoluteFilePath(), m_cdRoot))
        Add(Severity::Error, section, key, QStringLiteral("%1 lies outside the CD root").arg(path));
    else if (!real.isEmpty() && !IsInside(real, WithTrailingSlash(QFileInfo(m_cdRoot).canonicalFilePath())))
        Add(Severity::Error, section, key, QStringLiteral("%1 is a link to %2, outside the CD root").arg(path, real));
}

void ProjectCheck::CheckButton(int slot, const MenuButton& button)
{
    const QString section = ButtonSection(slot);
    if (button.Action.isEmpty())
        Add(Severity::Error, section, QStringLiteral("Action"),
            QStringLiteral("The button has no action; the next load drops it"));
    else if (button.Action == "WINEXEC" && button.Params.trimmed().isEmpty())
        Add(Severity::Error, section, QStringLiteral("Params"), QStringLiteral("WINEXEC with no command"));
    if (button.Width <= 0 || button.Height <= 0)
        Add(Severity::Error, section, button.Width <= 0 ? QStringLiteral("Width") : QStringLiteral("Height"),
            QStringLiteral("The button's size %1 x %2 is not positive; the next load drops it")
                .arg(button.Width)
                .arg(button.Height));
    else
        CheckButtonArea(section, button);
    CheckButtonFiles(slot, button);
}

void ProjectCheck::CheckButtonArea(const QString& section, const MenuButton& button)
{
    const MainParams& m = m_project.Main;
    if (button.Left < 0 || button.Top < 0)
        Add(Severity::Error, section, button.Left < 0 ? QStringLiteral("Left") : QStringLiteral("top"),
            QStringLiteral("The button starts at %1, %2, left of or above the menu; the next load drops it")
                .arg(button.Left)
                .arg(button.Top));
    else if (!StoredRect(0, 0, m.SizeX, m.SizeY).contains(ButtonRect(button)))
        Add(Severity::Warning, section, QStringLiteral("Left"),
            QStringLiteral("The button reaches outside the %1 x %2 menu").arg(m.SizeX).arg(m.SizeY));
}

void ProjectCheck::CheckOverlaps()
{
    const auto& buttons = m_project.Buttons;
    for (int j = 0; j < MenuProject::SlotCount; ++j) {
        if (!buttons[j].Used)
            continue;
        for (int i = 0; i < j; ++i) {
            if (buttons[i].Used && ButtonRect(buttons[i]).intersects(ButtonRect(buttons[j]))) {
                Add(Severity::Warning, ButtonSection(j), QStringLiteral("Left"),
                    QStringLiteral("The button overlaps Button#%1, which takes the pointer there").arg(i));
                break;
            }
        }
    }
}

void ProjectCheck::CheckPictures()
{
    const MainParams& m = m_project.Main;
    const QImage& normal = m_project.NormalPicture;
    if (ExistingPicture(m.BackgroundFile) && (normal.width() < m.SizeX || normal.height() < m.SizeY))
        Add(Severity::Warning, Main, QStringLiteral("background"),
            QStringLiteral("The picture is %1 x %2, smaller than the %3 x %4 menu")
                .arg(normal.width())
                .arg(normal.height())
                .arg(m.SizeX)
                .arg(m.SizeY));
    if (!ExistingPicture(m.BackgroundFile))
        return;
    CheckPictureSize(QStringLiteral("backover"), m.BackOverFile, m_project.OverPicture);
    CheckPictureSize(QStringLiteral("backclick"), m.BackClickFile, m_project.ClickPicture);
}

void ProjectCheck::CheckPictureSize(const QString& key, const QByteArray& storedName, const QImage& picture)
{
    const QImage& normal = m_project.NormalPicture;
    if (ExistingPicture(storedName) && picture.size() != normal.size())
        Add(Severity::Warning, Main, key,
            QStringLiteral("The picture is %1 x %2, the normal one %3 x %4")
                .arg(picture.width())
                .arg(picture.height())
                .arg(normal.width())
                .arg(normal.height()));
}

void ProjectCheck::CheckTextArea()
{
    const ::TextInfo& t = m_project.TextInfo;
    const MainParams& m = m_project.Main;
    if (t.IsActive() && !StoredRect(0, 0, m.SizeX, m.SizeY).contains(StoredRect(t.Left, t.Top, t.Width, t.Height)))
        Add(Severity::Warning, QStringLiteral("TextInfo"), QStringLiteral("Left"),
            QStringLiteral("The text area %1, %2, %3 x %4 is not inside the %5 x %6 menu")
                .arg(t.Left)
                .arg(t.Top)
                .arg(t.Width)
                .arg(t.Height)
                .arg(m.SizeX)
                .arg(m.SizeY));
}

void ProjectCheck::CheckShape()
{
    const MainParams& m = m_project.Main;
    const CustomShape& shape = m_project.Shape;
    if (!m.UseCustomShape)
        return;
    if (shape.PointCount < 3)
        Add(Severity::Error, Main, QStringLiteral("CustomShape"),
            QStringLiteral("\"Use:\" is ticked but the shape has %1 points, fewer than three").arg(shape.PointCount));
    for (int i = 0; i < shape.PointCount && i < CustomShape::Capacity; ++i) {
        const ShapePoint& p = shape.Points[i];
        // The menu's right and bottom edges are on the outline, so they count as inside.
        if (p.X < 0 || p.Y < 0 || p.X > m.SizeX || p.Y > m.SizeY)
            Add(Severity::Warning, QStringLiteral("CustomPoints"), QStringLiteral("x%1").arg(i),
                QStringLiteral("The point %1, %2 lies outside the %3 x %4 menu").arg(p.X).arg(p.Y).arg(m.SizeX).arg(m.SizeY));
    }
}

// Every name under the disc's root (the CD root, else the project folder) as
// the image will hold it.
void ProjectCheck::CheckDiscNames()
{
    const QString root = m_cdRoot.isEmpty() ? m_projectFolder : m_cdRoot;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir rootDir(root);
    while (it.hasNext()) {
        it.next();
        CheckDiscName(rootDir.relativeFilePath(it.filePath()), it.fileInfo().isDir());
    }
}

void ProjectCheck::CheckDiscName(const QString& relativePath, bool isFolder)
{
    const QString name = QFileInfo(relativePath).fileName();
    if (name.size() > JolietNameLimit)
        Add(Severity::Error, QString(), relativePath,
            QStringLiteral("The name has %1 characters; Joliet holds %2").arg(name.size()).arg(JolietNameLimit));
    if (!isFolder && IsWriterTempName(name))
        Add(Severity::Warning, QString(), relativePath,
            QStringLiteral("A temporary file left by an interrupted write; the disc image leaves it out, remove it"));
    if (HasJolietForbiddenCharacter(name))
        Add(Severity::Error, QString(), relativePath, QStringLiteral("The name holds a character Joliet forbids"));
    if (CodePage::ToUnicode(CodePage::FromUnicode(name)) != name)
        Add(Severity::Warning, QString(), relativePath,
            QStringLiteral("The name holds a character the code page %1 cannot write").arg(CodePage::Name()));
    // Reported once, at the first folder too deep.
    if (isFolder && relativePath.count(u'/') + 1 == FolderDepthLimit + 1)
        Add(Severity::Warning, QString(), relativePath,
            QStringLiteral("The folder lies deeper than %1 levels").arg(FolderDepthLimit));
}

// The save's backup and temporary files are the editor's, not the menu's.
void ProjectCheck::CheckEditorFiles()
{
    const QString root = m_cdRoot.isEmpty() ? m_projectFolder : m_cdRoot;
    const std::pair<const char*, const char*> files[] = {{".bak", "backup"}, {".tmp", "temporary"}};
    for (const auto& [ext, kind] : files) {
        const QString path = ChangeFileExt(m_iniFile, QLatin1String(ext));
        if (QFileInfo(path).isFile() && IsInside(path, root))
            Add(Severity::Warning, QString(), QDir(root).relativeFilePath(path),
                QStringLiteral("The editor's %1 file does not belong on the disc").arg(QLatin1String(kind)));
    }
}

void ProjectCheck::CheckAutorun()
{
    const QString section = QStringLiteral("autorun");
    const QString autorun = DiscLocalPath(AutorunFileName(m_cdRoot));
    if (!QFileInfo(autorun).isFile()) {
        Add(Severity::Warning, section, QStringLiteral("open"), QStringLiteral("The CD root holds no autorun.inf"));
        return;
    }
    const std::optional<QString> target = AutorunOpenTarget(m_cdRoot);
    if (!target) {
        Add(Severity::Error, section, QStringLiteral("open"), QStringLiteral("autorun.inf has no open= line"));
        return;
    }
    if (!QFileInfo(DiscLocalPath(m_cdRoot + *target)).isFile())
        Add(Severity::Error, section, QStringLiteral("open"), QStringLiteral("File not found: %1").arg(*target));
}

QString ProjectCheck::ExactPath(const QByteArray& storedName) const
{
    QString name = Unicode(storedName);
    if (HasDriveLetter(name))
        return {};
    name.replace(u'\\', u'/');
    if (name.startsWith(u'/'))
        return m_cdRoot.isEmpty() ? QString() : QDir::cleanPath(m_cdRoot + name);
    return QDir::cleanPath(m_projectFolder + u'/' + name);
}

// Loading keeps a picture's previous content when its file is missing: only a
// picture whose file is there is the one the player shows.
bool ProjectCheck::ExistingPicture(const QByteArray& storedName) const
{
    const QString exact = ExactPath(storedName);
    return !exact.isEmpty() && QFileInfo(LocalPathOf(exact)).isFile();
}

void ProjectCheck::Add(CheckFinding::Severity level, const QString& section, const QString& key, const QString& message)
{
    m_findings.append(CheckFinding{level, section, key, message});
}
