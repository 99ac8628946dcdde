#include "model/project_saver.h"

#include "model/ini_file_version.h"
#include "model/launcher_ini_layout.h"
#include "model/menu_project.h"
#include "model/project_view.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/file_replacer.h"
#include "platform/profile_file.h"
#include "platform/profile_values.h"
#include "platform/vyx_error.h"

#include <QFileInfo>

using namespace LauncherIni;

namespace {

// Views: the key names are C strings, and a QByteArray for each would cost an allocation.
void WriteText(ProfileFile& ini, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    if (TextNeedsQuotes(value))
        ini.WriteString(section, key, QuotedText(value));
    else
        ini.WriteString(section, key, value);
}

class Saver {
public:
    Saver(MenuProject& project, ProjectView& view) : m_project(project), m_view(view) {}

    SaveResult Run(QString& iniName, IniFileVersion* version, bool replaceReadOnly);

private:
    void WriteMain();
    void WriteTextInfo();
    void WriteButtons();
    void WriteButton(int slot);
    void WriteShape();
    void Write(QByteArrayView section, QByteArrayView key, QByteArrayView value)
    {
        WriteText(m_ini, section, key, value);
    }
    void Check(const FileReplacer& replacer, bool ok);
    [[noreturn]] void Stop(const QString& message);
    void Warn(const QString& text)
    {
        m_view.AddWarning(text);
        m_warned = true;
    }

    MenuProject& m_project;
    ProjectView& m_view;
    ProfileFile m_ini;
    bool m_warned = false;
};

SaveResult Saver::Run(QString& iniName, IniFileVersion* version, bool replaceReadOnly)
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

    // The temporary file exists before any step is logged as saved.
    FileReplacer replacer(iniName, {QStringLiteral(".tmp"), QStringLiteral(".bak"), replaceReadOnly});
    Check(replacer, replacer.Open());
    m_ini.Reserve(2048, 64 * 1024); // a full project: 101 buttons and 100 points

    WriteMain();
    WriteTextInfo();
    WriteButtons();
    WriteShape();
    Write(MainSection, ReSortKey, BoolToText(m_project.Main.ReSort));
    if (!m_project.CodePage.isEmpty())
        Write(EditorSection, CodePageKey, m_project.CodePage.toLatin1());
    Check(replacer, replacer.Write(m_ini.ToBytes()));
    if (!FileOperations::Current().Exists(replacer.TempPath()))
        return SaveResult::TemporaryFileMissing;
    // Checked as late as possible: the window for another writer is the rename alone.
    if (version && version->ChangedOnDisk(iniName))
        Stop(QStringLiteral("%1 was changed by another program since it was read: not saved").arg(iniName));
    const bool installed = replacer.Install();
    for (const QString& warning : replacer.Result().warnings)
        Warn(warning);
    Check(replacer, installed);
    if (version)
        *version = IniFileVersion::OnDisk(iniName);

    m_view.AddLine(QStringLiteral("Done."));
    m_view.SetStatus(QStringLiteral("Done."));
    // A warning of this save keeps the window open so that it is read.
    if (!m_warned)
        m_view.HideStatus();
    return SaveResult::Saved;
}

// A failed step is the last line of the log; the save stops there.
void Saver::Check(const FileReplacer& replacer, bool ok)
{
    if (ok)
        return;
    m_view.AddWarning(replacer.Result().error);
    ThrowIfReadOnly(replacer.Result());
    throw VyxError(replacer.Result().error);
}

void Saver::Stop(const QString& message)
{
    m_view.AddWarning(message);
    throw VyxError(message);
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
    WriteMenuButton(m_ini, slot, b);
    if (!b.PassesValidity())
        Warn(QStringLiteral("Button#%1 \"%2\" is dropped by the next load (Left=%3 top=%4 Width=%5 Height=%6 "
                            "Action=%7)")
                 .arg(slot)
                 .arg(CodePage::ToUnicode(b.Name))
                 .arg(b.Left)
                 .arg(b.Top)
                 .arg(b.Width)
                 .arg(b.Height)
                 .arg(CodePage::ToUnicode(b.Action)));
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
    if (shape.PointCount < 3)
        Warn(QStringLiteral("CustomShape is used with %1 points: the player's window would be empty")
                 .arg(shape.PointCount));
}

} // namespace

void WriteMenuButton(ProfileFile& ini, int slot, const MenuButton& button)
{
    const QByteArray section = ButtonSection(slot);
    WriteText(ini, section, NameKey, button.Name);
    WriteText(ini, section, ActionKey, button.Action);
    for (const auto& k : ButtonGeometry)
        WriteText(ini, section, k.key, IntToText(button.*k.field));
    for (const auto& k : ButtonTexts)
        WriteText(ini, section, k.key, button.*k.field);
}

SaveResult SaveProject(MenuProject& project, QString& iniName, ProjectView& view, IniFileVersion* version,
                       bool replaceReadOnly)
{
    return Saver(project, view).Run(iniName, version, replaceReadOnly);
}
