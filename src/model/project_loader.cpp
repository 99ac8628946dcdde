#include "model/project_loader.h"

#include "model/design_size.h"
#include "model/ini_file_version.h"
#include "model/launcher_ini_layout.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_view.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/picture_loader.h"
#include "platform/picture_threads.h"
#include "platform/profile_file.h"
#include "platform/profile_values.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <future>

using namespace LauncherIni;

namespace {

Text ReadText(const ProfileFile& ini, const QByteArray& section, const QByteArray& key)
{
    return ini.ReadString(section, key).value_or(Text());
}

Text UpperAscii(Text text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

// One reading pass; each step writes into the project at once, so an error
// leaves what was read before it.
class Loader {
public:
    Loader(MenuProject& project, ProjectView& view) : m_project(project), m_view(view) {}

    void Run(const QString& iniName, IniFileVersion* version);
    // What a file that holds nothing gives, the code page chosen as for a load.
    void RunOnNothing();

private:
    void ChooseCodePage();
    void ReadMain();
    using Buttons = std::array<MenuButton, MenuProject::SlotCount>;

    void StartBackgrounds();
    void TakeBackgrounds();
    void TakeBackground(const FieldKey<MainParams, Text>& key, QImage& picture, std::future<QImage>& decoded,
                        const char* tag, const char* label);
    void ReadTextInfo();
    Buttons ReadButtonRecords() const;
    void TakeButtons(const Buttons& buttons);
    void ReadShape();

    QString Unicode(const Text& text) const { return CodePage::ToUnicode(text); }

    MenuProject& m_project;
    ProjectView& m_view;
    ProfileFile m_ini;
    qint64 m_pixelBudget = 0; // pixels left for the pictures of this load
    std::array<std::future<QImage>, 3> m_decoded;
};

void Loader::Run(const QString& iniName, IniFileVersion* version)
{
    m_view.ShowStatus();
    m_view.ClearLog();
    const bool exists = QFileInfo::exists(iniName); // what is not a file is refused when read
    if (exists)
        m_view.SetStatus(QStringLiteral("Opening INI"));
    else
        m_view.AddWarning(QStringLiteral("INI not found."));
    const QString absolute = AbsoluteName(iniName);
    SetCurrentFolder(QFileInfo(absolute).absolutePath());
    m_ini.Load(absolute);
    if (version)
        *version = IniFileVersion(absolute, m_ini.Stamp());
    if (!m_ini.IsText())
        m_view.AddWarning(QStringLiteral("%1 is not a text file: it holds NUL bytes").arg(QFileInfo(absolute).fileName()));
    if (m_ini.SkippedUtf8Bom())
        m_view.AddWarning(
            QStringLiteral("UTF-8 byte order mark skipped: the player does not read the first section"));
    if (m_ini.ConvertedFromUtf16())
        m_view.AddWarning(QStringLiteral("UTF-16 file read in code page %1: it will be saved as 8-bit text")
                              .arg(CodePage::Name()));

    ChooseCodePage();
    ReadMain();
    StartBackgrounds();
    // Read while the pictures decode; kept apart so that an error in a picture
    // leaves the project's buttons as they were, as reading in turn does.
    const Buttons buttons = ReadButtonRecords();
    TakeBackgrounds();
    m_view.SetApplicationTitle(Unicode(m_project.Main.Title));
    m_view.SetWindowCaption(Unicode(m_project.Main.WindowCaption()));
    ReadTextInfo();
    TakeButtons(buttons);
    ReadShape();
    m_view.SetStatus(QStringLiteral("Loaded."));
    if (!m_view.WarningsShown())
        m_view.CloseStatus();
    m_view.RedrawCanvas();
    m_view.RefreshButtonListIfShown();
    m_view.FillPointList();
}

void Loader::RunOnNothing()
{
    ChooseCodePage();
    ReadMain();
    for (const auto& k : MainPictureTexts)
        m_project.Main.*k.field = Text();
    m_project.NormalPicture = QImage();
    m_project.OverPicture = QImage();
    m_project.ClickPicture = QImage();
    ReadTextInfo();
    TakeButtons(ReadButtonRecords());
    ReadShape();
}

// The command line's code page wins; else the one the project keeps; else the
// locale's. A project read in a forced code page keeps that one when saved.
void Loader::ChooseCodePage()
{
    const QString kept = QString::fromLatin1(ReadText(m_ini, EditorSection, CodePageKey)).trimmed();
    QString name = CodePage::Forced();
    if (name.isEmpty())
        name = kept.isEmpty() ? CodePage::DefaultFor(QLocale::system()) : kept;
    if (!CodePage::Select(name))
        m_view.AddWarning(QStringLiteral("Unknown code page %1: the texts are read in %2").arg(name, CodePage::Name()));
    m_project.CodePage = kept.isEmpty() && CodePage::Forced().isEmpty() ? QString() : CodePage::Name();
}

void Loader::ReadMain()
{
    MainParams& main = m_project.Main;
    for (const auto& k : MainTitleTexts)
        main.*k.field = ReadText(m_ini, MainSection, k.key);
    if (!m_ini.ReadString(MainSection, "Program"))
        main.Title = DefaultTitle;
    for (const auto& k : MainOtherTexts)
        main.*k.field = ReadText(m_ini, MainSection, k.key);
    for (const auto& k : MainInts)
        main.*k.field = ReadProfileInt(m_ini, MainSection, k.key, k.defaultValue);
    for (const auto& k : MainBools)
        main.*k.field = ReadProfileBool(m_ini, MainSection, k.key, k.field == &MainParams::DisableSelText);
    m_view.ProjectFlagsChanged();
    m_view.AddLine(QStringLiteral("Main params Loaded: ") + Unicode(main.WindowCaption()));
    const QSize size = BoundedDesignSize(main.SizeX, main.SizeY);
    if (size != QSize(main.SizeX, main.SizeY))
        m_view.AddWarning(QStringLiteral("Menu size %1 x %2 is out of range: the window shows %3 x %4")
                              .arg(main.SizeX)
                              .arg(main.SizeY)
                              .arg(size.width())
                              .arg(size.height()));
    m_view.SetDesignSize(size.width(), size.height());
    main.ReSort = ReadProfileBool(m_ini, MainSection, ReSortKey, true);
    m_view.ProjectFlagsChanged();
}

void Loader::StartBackgrounds()
{
    m_view.SetStatus(QStringLiteral("Loading backgrounds..."));
    m_pixelBudget = PictureLoader::MaxPixels;
    // The three are independent: two decode on the picture threads, the first
    // on this thread when it is taken, after the buttons are read. They are
    // taken in order, so the log, the budget and the first error are those of
    // one after another.
    for (size_t i = 0; i < m_decoded.size(); ++i) {
        const QString stored = Unicode(ReadText(m_ini, MainSection, MainPictureTexts[i].key));
        if (stored.isEmpty() || !StoredFileExists(stored))
            continue;
        const QString path = LocalPathOf(stored);
        m_decoded[i] = i == 0 ? std::async(std::launch::deferred, [path] { return PictureLoader::LoadPicture(path); })
                              : PictureThreads::LoadPicture(path);
    }
}

void Loader::TakeBackgrounds()
{
    TakeBackground(MainPictureTexts[0], m_project.NormalPicture, m_decoded[0], "Default", "Background default file: ");
    TakeBackground(MainPictureTexts[1], m_project.OverPicture, m_decoded[1], "OVER", "Background OVER file: ");
    TakeBackground(MainPictureTexts[2], m_project.ClickPicture, m_decoded[2], "Click", "Background CLICK file: ");
}

void Loader::TakeBackground(const FieldKey<MainParams, Text>& key, QImage& picture, std::future<QImage>& decoded,
                            const char* tag, const char* label)
{
    const Text name = ReadText(m_ini, MainSection, key.key);
    m_project.Main.*key.field = name;
    const QString stored = Unicode(name);
    if (decoded.valid()) {
        QImage taken = decoded.get();
        PictureLoader::CheckPixelBudget(taken, m_pixelBudget, LocalPathOf(stored));
        picture = std::move(taken);
        m_pixelBudget -= qint64(picture.width()) * picture.height();
    }
    else
        m_view.AddWarning(QStringLiteral("Background file missing (%1)").arg(QLatin1String(tag)));
    m_view.AddLine(QLatin1String(label) + stored);
}

void Loader::ReadTextInfo()
{
    m_view.SetStatus(QStringLiteral("Loading Textinfo..."));
    TextInfo& info = m_project.TextInfo;
    for (const auto& k : TextInfoGeometry)
        info.*k.field = ReadProfileInt(m_ini, TextInfoSection, k.key, -1);
    info.DefaultFile = ReadText(m_ini, TextInfoSection, DefaultFileKey);
    m_view.TextInfoLoaded();
    info.BackgroundColor = ReadProfileColor(m_ini, TextInfoSection, BackgroundColorKey, Colors::clWhite);
    info.FontColor = ReadProfileColor(m_ini, TextInfoSection, FontColorKey, Colors::clWindowText);
    m_view.TextInfoLoaded();
    m_view.AddLine(info.IsActive() ? QStringLiteral("TextInfo loaded and active.")
                                   : QStringLiteral("TextInfo loaded - not active."));
}

Loader::Buttons Loader::ReadButtonRecords() const
{
    Buttons buttons;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        buttons[size_t(slot)] = ReadMenuButton(m_ini, slot);
    return buttons;
}

void Loader::TakeButtons(const Buttons& buttons)
{
    m_view.SetStatus(QStringLiteral("Loading BUTTONS..."));
    std::copy(buttons.begin(), buttons.end(), std::begin(m_project.Buttons));
    m_view.AddLine(QStringLiteral("Buttons loaded. (%1 buttons)").arg(m_project.UsedButtonCount()));
}

void Loader::ReadShape()
{
    m_view.SetStatus(QStringLiteral("Loading Custom Shape..."));
    CustomShape& shape = m_project.Shape;
    shape.Clear();
    m_project.Main.UseCustomShape = ReadProfileBool(m_ini, MainSection, CustomShapeKey, false);
    if (m_project.Main.UseCustomShape) {
        int i = 0;
        for (;; ++i) {
            const int32_t x = ReadProfileInt(m_ini, PointsSection, PointKey('x', i), PointListEnd);
            if (x == PointListEnd)
                break;
            if (i == CustomShape::Capacity) {
                m_view.AddWarning(QStringLiteral("Custom shape has more than %1 points; the rest were ignored")
                                      .arg(CustomShape::Capacity));
                break;
            }
            shape.Points[i] = {x, ReadProfileInt(m_ini, PointsSection, PointKey('y', i), 0),
                               ShapePointState::Used};
        }
        shape.PointCount = uint16_t(i);
    }
    m_view.ProjectFlagsChanged();
    m_view.AddLine(QStringLiteral("Custom points Loaded. (%1 points)").arg(shape.PointCount));
}

} // namespace

MenuButton ReadMenuButton(const ProfileFile& ini, int slot)
{
    MenuButton b;
    const QByteArray section = ButtonSection(slot);
    for (const auto& k : ButtonGeometry)
        b.*k.field = ReadProfileInt(ini, section, k.key, -1);
    b.Action = CutToCapacity(UpperAscii(ReadText(ini, section, ActionKey)), MenuButton::ActionCapacity);
    b.Name = CutToCapacity(ReadText(ini, section, NameKey), MenuButton::NameCapacity);
    for (const auto& k : ButtonTexts)
        b.*k.field = CutToCapacity(ReadText(ini, section, k.key), k.capacity);
    b.Used = b.PassesValidity();
    return b;
}

void ResetToNewProject(MenuProject& project, int sizeX, int sizeY)
{
    LoggingProjectView quiet;
    Loader(project, quiet).RunOnNothing();
    project.Main.SizeX = sizeX;
    project.Main.SizeY = sizeY;
}

void LoadProject(MenuProject& project, const QString& iniName, ProjectView& view, IniFileVersion* version)
{
    Loader(project, view).Run(iniName, version);
}
