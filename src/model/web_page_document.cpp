#include "model/web_page_document.h"

#include "model/help_file.h"
#include "model/menu_project.h"
#include "model/preview_action.h"
#include "model/preview_outline.h"
#include "model/web_page_help.h"
#include "model/web_page_link.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/picture_loader.h"
#include "platform/png_encoder.h"
#include "platform/vyx_error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <future>
#include <map>

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }
QString Unicode(const QByteArray& text) { return CodePage::ToUnicode(text); }
QString ButtonSection(int slot) { return QStringLiteral("Button#%1").arg(slot); }

QString Attribute(const char* name, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), Escaped(value));
}

QString Box(int left, int top, int width, int height)
{
    return QStringLiteral("left:%1px;top:%2px;width:%3px;height:%4px").arg(left).arg(top).arg(std::max(width, 0)).arg(std::max(height, 0));
}

const char* const Style = R"(html,body{margin:0;padding:0;background:#2b2b2b}
body{display:flex;justify-content:center;align-items:flex-start;min-height:100vh}
#menu{position:relative;flex:none;overflow:hidden;background-color:#808080;background-repeat:no-repeat}
#text-area{position:absolute;overflow:hidden;font:13px sans-serif}
#text-area p{margin:0;white-space:pre-wrap;overflow-wrap:break-word}
.button{position:absolute;display:block;background-repeat:no-repeat;outline:none}
)";

// Help text follows the pointer, else the focus, else shows the default file;
// sounds that the browser will not play yet stay silent.
const char* const Script = R"((function () {
  var area = document.getElementById('text-area');
  var hovered = null;
  function show(id) {
    if (!area) return;
    var helps = area.children;
    for (var i = 0; i < helps.length; i++) helps[i].hidden = helps[i].id !== id;
  }
  function helpOf(button) { return button && button.getAttribute('data-help') || (area && area.getAttribute('data-default')); }
  function current() {
    var focused = document.activeElement;
    return hovered || (focused && focused.classList.contains('button') ? focused : null);
  }
  function play(id) {
    var sound = id && document.getElementById(id);
    if (!sound) return;
    try {
      sound.currentTime = 0;
      var playing = sound.play();
      if (playing && playing.catch) playing.catch(function () {});
    } catch (e) {}
  }
  var buttons = document.querySelectorAll('a.button');
  for (var i = 0; i < buttons.length; i++) (function (button) {
    button.addEventListener('mouseenter', function () { hovered = button; show(helpOf(button)); play(button.getAttribute('data-over-sound')); });
    button.addEventListener('mouseleave', function () { hovered = null; show(helpOf(current())); });
    button.addEventListener('focus', function () { show(helpOf(current())); });
    button.addEventListener('blur', function () { setTimeout(function () { show(helpOf(current())); }, 0); });
    button.addEventListener('click', function (event) {
      play(button.getAttribute('data-click-sound'));
      var action = button.getAttribute('data-action');
      if (action === 'close') { event.preventDefault(); window.close(); }
      else if (action === 'nothing') event.preventDefault();
    });
  })(buttons[i]);
  show(helpOf(null));
  play(document.body.getAttribute('data-opening-sound'));
})();
)";

class PageBuilder {
public:
    PageBuilder(const MenuProject& project, const QString& iniFile, const WebPageNames& names)
        : m_project(project), m_iniFile(iniFile), m_names(names)
    {
    }

    WebPage Build();

private:
    void StartDecoding(std::initializer_list<QByteArray> storedNames);
    // The PNG files of the export being replaced, by the picture they were made from.
    void FindOlderPictures();
    QByteArray Stamp(const QString& path);
    QImage Decoded(const QString& path);
    QString Picture(const QByteArray& storedName, const QString& key, const QString& role);
    QString Sound(const QString& storedName, const QString& section, const QString& key);
    QString Help(const QByteArray& storedName, const QString& section, const QString& key);
    QString ButtonHtml(int slot, const MenuButton& button, bool over, bool click);
    QString TextAreaOpening();
    QString ClipPath();
    QString UniqueName(const QString& wanted);
    void Warn(const QString& section, const QString& key, const QString& message)
    {
        m_page.Problems.append({CheckFinding::Severity::Warning, section, key, message});
    }
    // The file a stored name resolves to; empty, and reported, when none does.
    QString Resolved(const QString& name, const QString& section, const QString& key)
    {
        const QString path = m_names.Resolve(name);
        if (path.isEmpty())
            Warn(section, key, QStringLiteral("File not found: %1").arg(name));
        return path;
    }

    const MenuProject& m_project;
    QString m_iniFile;
    const WebPageNames& m_names;
    WebPage m_page;
    QSet<QString> m_usedNames;
    std::map<QString, QString> m_copied;        // local path -> asset name
    std::map<QString, std::future<QImage>> m_decoding; // local path -> its picture, being decoded
    std::map<QString, QByteArray> m_stamps;            // local path -> SourceStamp
    std::map<QByteArray, QString> m_older;             // SourceStamp -> PNG of the older export
    std::map<QString, QString> m_sounds;        // local path -> audio element id
    std::map<QString, QString> m_helpIds;       // local path -> help element id
    QString m_helpHtml;
    QString m_audioHtml;
    bool m_textArea = false;
};

QString AssetHref(const QString& name)
{
    return QString::fromLatin1(WebPage::AssetsFolder) + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

WebPage PageBuilder::Build()
{
    const MainParams& m = m_project.Main;
    StartDecoding({m.BackgroundFile, m.BackOverFile, m.BackClickFile});
    const QString background = Picture(m.BackgroundFile, QStringLiteral("background"), QStringLiteral("background"));
    const QString over = Picture(m.BackOverFile, QStringLiteral("backover"), QStringLiteral("over"));
    const QString click = Picture(m.BackClickFile, QStringLiteral("backclick"), QStringLiteral("click"));
    QString style = QString::fromLatin1(Style);
    if (!over.isEmpty())
        style += QStringLiteral(".button:hover,.button:focus{background-image:url(\"%1\")}\n").arg(over);
    if (!click.isEmpty())
        style += QStringLiteral(".button:active{background-image:url(\"%1\")}\n").arg(click);
    style += QStringLiteral(".button{cursor:%1}\n").arg(m.HandCursor ? QStringLiteral("pointer") : QStringLiteral("default"));

    QString menuStyle = QStringLiteral("width:%1px;height:%2px").arg(std::max(m.SizeX, 0)).arg(std::max(m.SizeY, 0));
    if (!background.isEmpty())
        menuStyle += QStringLiteral(";background-image:url(\"%1\")").arg(background);
    menuStyle += ClipPath();

    const QString opening = Sound(Unicode(m.OnLoadSound), QStringLiteral("MAIN"), QStringLiteral("OnLoadSound"));
    // The area first, so that buttons over it stay reachable; it holds the
    // help texts the buttons name.
    const QString area = TextAreaOpening();
    QString buttons;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (m_project.Buttons[size_t(slot)].Used)
            buttons += ButtonHtml(slot, m_project.Buttons[size_t(slot)], !over.isEmpty(), !click.isEmpty());
    const QString body = (area.isEmpty() ? QString() : area + m_helpHtml + QStringLiteral("</div>\n")) + buttons;

    m_page.Html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                 "<meta name=\"generator\" content=\"%1\">\n<title>%2</title>\n<style>\n%3</style>\n"
                                 "</head>\n<body%4>\n<div id=\"menu\" style=\"%5\">\n%6</div>\n%7<script>\n%8</script>\n"
                                 "</body>\n</html>\n")
                      .arg(QLatin1String(WebPage::Generator), Escaped(Unicode(m.Title)), style,
                           Attribute("data-opening-sound", opening), Escaped(menuStyle),
                           body, m_audioHtml, QString::fromLatin1(Script));
    return std::move(m_page);
}

bool IsJpeg(const QString& path)
{
    const QString ext = ExtractFileExt(path).toLower();
    return ext == u".jpg" || ext == u".jpeg";
}

// What a picture file is now, as the PNG made from it records it: another
// name, size, modification or status-change time (any write changes the
// last) gives another stamp. "png 1" is the encoder's output: a change to
// it must change the text, so that no older PNG is taken for a new one.
QByteArray SourceStamp(const QString& path)
{
    const QFileInfo info(path);
    const QString identity = QStringLiteral("png 1|%1|%2|%3|%4")
                                 .arg(info.absoluteFilePath())
                                 .arg(info.size())
                                 .arg(info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch())
                                 .arg(info.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch());
    return QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex();
}

QByteArray PageBuilder::Stamp(const QString& path)
{
    auto known = m_stamps.find(path);
    if (known == m_stamps.end())
        known = m_stamps.emplace(path, SourceStamp(path)).first;
    return known->second;
}

// A picture unchanged since the export being replaced keeps its PNG: decoding
// and encoding it again was most of the export's work.
void PageBuilder::FindOlderPictures()
{
    const QDir older(m_names.PageFolder() + u'/' + QString::fromLatin1(WebPage::AssetsFolder));
    for (const QString& name : older.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QByteArray source = PngEncoder::SourceOf(older.filePath(name));
        if (!source.isEmpty())
            m_older.emplace(source, older.filePath(name));
    }
}

// The pictures that become PNG are decoded side by side, while the page is built.
void PageBuilder::StartDecoding(std::initializer_list<QByteArray> storedNames)
{
    FindOlderPictures();
    for (const QByteArray& storedName : storedNames) {
        const QString path = storedName.isEmpty() ? QString() : m_names.Resolve(Unicode(storedName));
        if (!path.isEmpty() && !IsJpeg(path) && !m_decoding.contains(path) && !m_older.contains(Stamp(path)))
            m_decoding.emplace(path, std::async(std::launch::async, [path] { return PictureLoader::LoadPicture(path); }));
    }
}

QImage PageBuilder::Decoded(const QString& path)
{
    const auto started = m_decoding.find(path);
    if (started == m_decoding.end())
        return PictureLoader::LoadPicture(path);
    std::future<QImage> decoding = std::move(started->second);
    m_decoding.erase(started);
    return decoding.get();
}

// BMP becomes PNG (every browser shows it, and it is smaller); JPEG is copied.
QString PageBuilder::Picture(const QByteArray& storedName, const QString& key, const QString& role)
{
    if (storedName.isEmpty())
        return {};
    const QString path = Resolved(Unicode(storedName), QStringLiteral("MAIN"), key);
    if (path.isEmpty())
        return {};
    if (const auto known = m_copied.find(path); known != m_copied.end())
        return AssetHref(known->second);
    WebPageAsset asset;
    try {
        if (IsJpeg(path)) {
            asset.Source = path;
            asset.Name = UniqueName(role + QStringLiteral(".jpg"));
        } else if (const auto older = m_older.find(Stamp(path)); older != m_older.end()) {
            asset.Source = older->second;
            asset.Name = UniqueName(role + QStringLiteral(".png"));
        } else {
            const QImage picture = Decoded(path);
            asset.Png = std::async(std::launch::async, [picture, stamp = Stamp(path)] {
                            return PngEncoder::Encode(picture, stamp);
                        }).share();
            asset.Name = UniqueName(role + QStringLiteral(".png"));
        }
    } catch (const VyxError& e) {
        Warn(QStringLiteral("MAIN"), key, e.Message());
        return {};
    }
    m_copied[path] = asset.Name;
    m_page.Assets.push_back(asset);
    return AssetHref(asset.Name);
}

// The id of the audio element that plays the file, or empty.
QString PageBuilder::Sound(const QString& storedName, const QString& section, const QString& key)
{
    if (storedName.trimmed().isEmpty())
        return {};
    const QString path = Resolved(storedName, section, key);
    if (path.isEmpty())
        return {};
    if (const auto known = m_sounds.find(path); known != m_sounds.end())
        return known->second;
    const QString id = QStringLiteral("sound-%1").arg(m_sounds.size());
    const QString name = UniqueName(QFileInfo(path).fileName());
    m_page.Assets.push_back({name, path, {}});
    m_sounds[path] = id;
    m_audioHtml += QStringLiteral("<audio id=\"%1\" src=\"%2\" preload=\"auto\"></audio>\n").arg(id, Escaped(AssetHref(name)));
    return id;
}

// The id of the element that holds the help text, or empty.
QString PageBuilder::Help(const QByteArray& storedName, const QString& section, const QString& key)
{
    if (storedName.isEmpty())
        return {};
    const QString name = Unicode(storedName);
    const QString path = Resolved(name, section, key);
    if (path.isEmpty())
        return {};
    if (const auto known = m_helpIds.find(path); known != m_helpIds.end())
        return known->second;
    QString html;
    try {
        const std::optional<QByteArray> bytes = HelpFile::Read(path);
        if (!bytes) {
            Warn(section, key, QStringLiteral("Cannot open %1").arg(name));
            return {};
        }
        html = WebPageHelp::FromFile(*bytes);
    } catch (const VyxError& e) {
        Warn(section, key, e.Message());
        return {};
    }
    const QString id = QStringLiteral("help-%1").arg(m_helpIds.size());
    m_helpIds[path] = id;
    m_helpHtml += QStringLiteral("<div class=\"help\" id=\"%1\" hidden>%2</div>\n").arg(id, html);
    return id;
}

QString PageBuilder::ButtonHtml(int slot, const MenuButton& button, bool over, bool click)
{
    const QString section = ButtonSection(slot);
    const WebPageLink link = WebPageLinkFor(button, m_names);
    const bool namesFile = button.Action.startsWith("RUN") || button.Action == "WINEXEC";
    if (!link.Problem.isEmpty())
        Warn(section, namesFile ? QStringLiteral("Params") : QStringLiteral("Action"), link.Problem);
    QString href = QStringLiteral("#");
    QString action;
    QString extra;
    switch (link.Type) {
    case WebPageLink::Kind::File:
        href = link.Href;
        break;
    case WebPageLink::Kind::Address:
        href = link.Href;
        if (!link.Href.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            extra = QStringLiteral(" target=\"_blank\" rel=\"noopener\"");
        break;
    case WebPageLink::Kind::Close:
        action = QStringLiteral("close");
        break;
    case WebPageLink::Kind::Nothing:
        action = QStringLiteral("nothing");
        break;
    }
    QString style = Box(button.Left, button.Top, button.Width, button.Height);
    if (over || click)
        style += QStringLiteral(";background-position:%1px %2px").arg(-button.Left).arg(-button.Top);
    const QString help = m_textArea ? Help(button.LoadInfo, section, QStringLiteral("LoadInfo")) : QString();
    const QString overSound = Sound(PreviewAction::SoundFor(m_project, slot, false), section, QStringLiteral("SoundOver"));
    const QString clickSound = Sound(PreviewAction::SoundFor(m_project, slot, true), section, QStringLiteral("SoundClick"));
    return QStringLiteral("<a class=\"button\" id=\"button-%1\"%2%3%4%5%6%7%8 style=\"%9\"%10></a>\n")
        .arg(slot)
        .arg(Attribute("href", href), Attribute("aria-label", Unicode(button.Name)), Attribute("title", link.Title),
             Attribute("data-action", action), Attribute("data-help", help), Attribute("data-over-sound", overSound),
             Attribute("data-click-sound", clickSound), Escaped(style), extra);
}

// The area's opening tag, or empty when the area is hidden.
QString PageBuilder::TextAreaOpening()
{
    const TextInfo& info = m_project.TextInfo;
    m_textArea = info.IsActive();
    if (!m_textArea)
        return {};
    const QString defaultId = Help(info.DefaultFile, QStringLiteral("TextInfo"), QStringLiteral("DefaultFile"));
    const QString style = Box(info.Left, info.Top, info.Width, info.Height)
                          + QStringLiteral(";background-color:%1;color:%2")
                                .arg(WebPageHelp::CssColor(info.BackgroundColor), WebPageHelp::CssColor(info.FontColor));
    return QStringLiteral("<div id=\"text-area\"%1 style=\"%2\">\n").arg(Attribute("data-default", defaultId), Escaped(style));
}

QString PageBuilder::ClipPath()
{
    const PreviewOutline outline = PreviewOutline::Choose(m_project, m_iniFile);
    if (!outline.Note().isEmpty())
        Warn(QStringLiteral("MAIN"), QStringLiteral("CustomShape"), outline.Note());
    QStringList parts;
    switch (outline.Source()) {
    case PreviewOutline::Kind::Rectangle:
        return {};
    case PreviewOutline::Kind::Polygon:
        for (const QPoint& p : ShapePolygon(m_project.Shape))
            parts << QStringLiteral("%1px %2px").arg(p.x()).arg(p.y());
        return QStringLiteral(";clip-path:polygon(evenodd,%1)").arg(parts.join(u','));
    case PreviewOutline::Kind::MaskFile:
        for (const QRect& r : outline.Mask())
            parts << QStringLiteral("M%1 %2H%3V%4H%1Z").arg(r.left()).arg(r.top()).arg(r.right() + 1).arg(r.bottom() + 1);
        return QStringLiteral(";clip-path:path('%1')").arg(parts.join(QString()));
    }
    return {};
}

QString PageBuilder::UniqueName(const QString& wanted)
{
    QString name = wanted;
    for (int n = 2; m_usedNames.contains(name.toLower()); ++n)
        name = ChangeFileExt(wanted, QString()) + QStringLiteral("-%1").arg(n) + ExtractFileExt(wanted);
    m_usedNames.insert(name.toLower());
    return name;
}

} // namespace

WebPage BuildWebPage(const MenuProject& project, const QString& iniFile, const WebPageNames& names)
{
    return PageBuilder(project, iniFile, names).Build();
}
