#include "app/tool_project_json.h"

#include "model/menu_project.h"
#include "platform/code_page.h"

#include <QJsonArray>

namespace {

QJsonValue Str(const Text& text) { return CodePage::ToUnicode(text); }

QJsonObject MainToJson(const MainParams& m)
{
    return QJsonObject{
        {"Title", Str(m.Title)}, {"Company", Str(m.Company)}, {"IconFile", Str(m.IconFile)},
        {"BackgroundFile", Str(m.BackgroundFile)}, {"BackOverFile", Str(m.BackOverFile)},
        {"BackClickFile", Str(m.BackClickFile)}, {"SoundOver", Str(m.SoundOver)},
        {"SoundClick", Str(m.SoundClick)}, {"OnLoadSound", Str(m.OnLoadSound)}, {"SizeX", m.SizeX},
        {"SizeY", m.SizeY}, {"HideBorder", m.HideBorder}, {"HandCursor", m.HandCursor},
        {"SimpleEsc", m.SimpleEsc}, {"ScrollStart", m.ScrollStart}, {"ScrollStartSpeed", m.ScrollStartSpeed},
        {"ScrollEnd", m.ScrollEnd}, {"ScrollEndSpeed", m.ScrollEndSpeed},
        {"DefUnAssExtProg", Str(m.DefUnAssExtProg)}, {"DefUnAssExtParam", Str(m.DefUnAssExtParam)},
        {"DefNotFoundProg", Str(m.DefNotFoundProg)}, {"DisableSelText", m.DisableSelText},
        {"ReSort", m.ReSort}, {"UseCustomShape", m.UseCustomShape}};
}

QJsonObject TextInfoToJson(const TextInfo& t)
{
    return QJsonObject{{"Left", t.Left},
                       {"Top", t.Top},
                       {"Width", t.Width},
                       {"Height", t.Height},
                       {"BackgroundColor", qint64(t.BackgroundColor)},
                       {"FontColor", qint64(t.FontColor)},
                       {"DefaultFile", Str(t.DefaultFile)}};
}

QJsonObject ButtonToJson(int slot, const MenuButton& b)
{
    return QJsonObject{
        {"Slot", slot}, {"Used", b.Used}, {"Left", b.Left}, {"Top", b.Top}, {"Width", b.Width},
        {"Height", b.Height}, {"Name", Str(b.Name)}, {"Action", Str(b.Action)}, {"Params", Str(b.Params)},
        {"LoadInfo", Str(b.LoadInfo)}, {"ShellRunAction", Str(b.ShellRunAction)},
        {"ShellRunParams", Str(b.ShellRunParams)}, {"ShellRunPath", Str(b.ShellRunPath)},
        {"SoundOver", Str(b.SoundOver)}, {"SoundClick", Str(b.SoundClick)}, {"UnAssExt", Str(b.UnAssExt)},
        {"OnNotFound", Str(b.OnNotFound)}};
}

QJsonValue PictureSize(const QImage& picture)
{
    if (picture.isNull())
        return QJsonValue::Null;
    return QJsonArray{picture.width(), picture.height()};
}

} // namespace

QJsonObject ProjectToJson(const MenuProject& project, const QStringList& log, const QString& error)
{
    QJsonArray buttons;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (project.Buttons[slot].Used)
            buttons.append(ButtonToJson(slot, project.Buttons[slot]));
    QJsonArray points;
    for (int i = 0; i < project.Shape.PointCount; ++i)
        points.append(QJsonArray{project.Shape.Points[i].X, project.Shape.Points[i].Y});
    return QJsonObject{
        {"Main", MainToJson(project.Main)},
        {"TextInfo", TextInfoToJson(project.TextInfo)},
        {"Buttons", buttons},
        {"CustomShape", QJsonObject{{"PointCount", project.Shape.PointCount}, {"Points", points}}},
        {"Pictures", QJsonObject{{"Normal", PictureSize(project.NormalPicture)},
                                 {"Over", PictureSize(project.OverPicture)},
                                 {"Click", PictureSize(project.ClickPicture)}}},
        {"Log", QJsonArray::fromStringList(log)},
        {"Error", error.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(error)}};
}
