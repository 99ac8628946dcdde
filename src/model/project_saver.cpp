#include "model/project_saver.h"

#include "model/launcher_ini_layout.h"
#include "model/menu_project.h"
#include "model/project_view.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/profile_file.h"
#include "platform/profile_values.h"
#include "platform/vyx_error.h"

using namespace LauncherIni;

namespace {

class Saver {
public:
    Saver(MenuProject& project, ProjectView& view) : m_project(project), m_view(view) {}

    SaveResult Run(QString& iniName);

private:
    void WriteMain();
    void WriteTextInfo();
    void WriteButtons();
    void WriteButton(int slot);
    void WriteShape();
    // Views: the key names are C strings, and a QByteArray for each would cost an allocation.
    void Write(QByteArrayView section, QByteArrayView key, QByteArrayView value)
    {
        m_ini.WriteString(section, key, value);
    }
    SaveResult ReplaceFiles(const QString& iniName, const QString& tmpName);

    MenuProject& m_project;
    ProjectView& m_view;
    ProfileFile m_ini;
};

SaveResult Saver::Run(QString& iniName)
{
    m_view.ClearLog();
    m_view.SetStatus(QStringLiteral("Saving..."));
    m_view.ShowStatus();
    if (m_project.Main.ReSort) {
        m_view.ButtonsSorted(m_project.SortButtons());
        m_view.AddLine(QStringLiteral("Buttons sorted."));
    }
    m_view.SetStatus(QStringLiteral("Saving main params"));
    iniName = AbsoluteName(iniName);
    m_view.AddLine(QStringLiteral("INI File: ") + iniName);
    m_view.AddLine(QStringLiteral("Program: ") + CodePage::ToUnicode(m_project.Main.Title));

    // A temporary file left by an interrupted save must not lend its keys to this one.
    const QString tmpName = ChangeFileExt(iniName, QStringLiteral(".tmp"));
    FileOperations::Current().Remove(tmpName); // nothing to remove is fine
    m_ini.SetPath(tmpName);
    m_ini.Reserve(2048, 64 * 1024); // a full project: 101 buttons and 100 points

    WriteMain();
    WriteTextInfo();
    WriteButtons();
    WriteShape();
    Write(MainSection, ReSortKey, BoolToText(m_project.Main.ReSort));
    if (!m_ini.Flush())
        throw VyxError(QStringLiteral("Unable to write to %1").arg(tmpName));

    const SaveResult result = ReplaceFiles(iniName, tmpName);
    m_view.AddLine(QStringLiteral("Done."));
    m_view.SetStatus(QStringLiteral("Done."));
    m_view.HideStatus();
    return result;
}

void Saver::WriteMain()
{
    const MainParams& main = m_project.Main;
    for (const auto& k : MainTitleTexts)
        Write(MainSection, k.key, main.*k.field);
    for (const auto& k : MainPictureTexts)
        Write(MainSection, k.key, main.*k.field);
    for (const auto& k : MainOtherTexts)
        Write(MainSection, k.key, main.*k.field);
    for (const auto& k : MainBools)
        Write(MainSection, k.key, BoolToText(main.*k.field));
    for (const auto& k : MainInts)
        Write(MainSection, k.key, IntToText(main.*k.field));
    m_view.AddLine(QStringLiteral("Main params saved."));
}

void Saver::WriteTextInfo()
{
    m_view.SetStatus(QStringLiteral("Saving TextInfo"));
    const TextInfo& info = m_project.TextInfo;
    for (const auto& k : TextInfoGeometry)
        Write(TextInfoSection, k.key, IntToText(info.*k.field));
    Write(TextInfoSection, FontColorKey, ColorToText(info.FontColor));
    Write(TextInfoSection, BackgroundColorWriteKey, ColorToText(info.BackgroundColor));
    Write(TextInfoSection, DefaultFileKey, info.DefaultFile);
    m_view.AddLine(QStringLiteral("Textinfo saved."));
}

void Saver::WriteButtons()
{
    m_view.SetStatus(QStringLiteral("Saving Buttons"));
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (m_project.Buttons[slot].Used)
            WriteButton(slot);
    m_view.AddLine(QStringLiteral("Buttons saved."));
}

void Saver::WriteButton(int slot)
{
    const MenuButton& b = m_project.Buttons[slot];
    const QByteArray section = ButtonSection(slot);
    Write(section, NameKey, b.Name);
    Write(section, ActionKey, b.Action);
    for (const auto& k : ButtonGeometry)
        Write(section, k.key, IntToText(b.*k.field));
    for (const auto& k : ButtonTexts)
        Write(section, k.key, b.*k.field);
}

void Saver::WriteShape()
{
    if (!m_project.Main.UseCustomShape) {
        Write(MainSection, CustomShapeKey, BoolToText(false));
        m_view.AddLine(QStringLiteral("CustomShape not used."));
        return;
    }
    m_view.SetStatus(QStringLiteral("Saving CustomShape"));
    Write(MainSection, CustomShapeKey, BoolToText(true));
    const CustomShape& shape = m_project.Shape;
    for (int j = 0; j < CustomShape::Capacity; ++j) {
        const ShapePoint& p = shape.Points[j];
        if (p.State == ShapePointState::Used) {
            Write(PointsSection, PointKey('x', j), IntToText(p.X));
            Write(PointsSection, PointKey('y', j), IntToText(p.Y));
        } else {
            Write(PointsSection, PointKey('x', shape.PointCount), IntToText(PointListEnd));
        }
    }
    m_view.AddLine(QStringLiteral("CustomShape saved."));
}

// The INI name holds a whole old or new file at every moment: the old file gets
// a second name as the backup, then the new one replaces it in one step.
SaveResult Saver::ReplaceFiles(const QString& iniName, const QString& tmpName)
{
    FileOperations& files = FileOperations::Current();
    if (!files.Exists(tmpName))
        return SaveResult::TemporaryFileMissing;
    const QString bakName = ChangeFileExt(iniName, QStringLiteral(".bak"));
    files.Remove(bakName);
    if (files.Exists(iniName))
        files.LinkOrCopy(iniName, bakName);
    if (!files.ReplaceAtomically(tmpName, iniName))
        throw VyxError(QStringLiteral("Unable to rename %1 to %2").arg(tmpName, iniName));
    return SaveResult::Saved;
}

} // namespace

SaveResult SaveProject(MenuProject& project, QString& iniName, ProjectView& view)
{
    return Saver(project, view).Run(iniName);
}
