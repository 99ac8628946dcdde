#pragma once
#include "model/menu_project.h"

#include <QByteArray>
#include <array>

// Section and key names of launcher.ini, shared by loading and saving.
namespace LauncherIni {

inline const QByteArray MainSection = "MAIN";
inline const QByteArray TextInfoSection = "TextInfo";
inline const QByteArray PointsSection = "CustomPoints";
// The editor's own section, which the player never reads.
inline const QByteArray EditorSection = "vyxedit";
inline const QByteArray CodePageKey = "CodePage";
inline const QByteArray DefaultTitle = "-=Vyx=- Launcher";
constexpr int32_t PointListEnd = -999;

QByteArray ButtonSection(int slot);

template <typename Record, typename Field>
struct FieldKey {
    const char* key;
    Field Record::*field;
};

// MAIN's texts in the order they are written, before the picture keys' place.
inline const std::array<FieldKey<MainParams, Text>, 2> MainTitleTexts = {{
    {"Program", &MainParams::Title},
    {"Company", &MainParams::Company},
}};
inline const std::array<FieldKey<MainParams, Text>, 3> MainPictureTexts = {{
    {"background", &MainParams::BackgroundFile},
    {"backover", &MainParams::BackOverFile},
    {"backclick", &MainParams::BackClickFile},
}};
inline const std::array<FieldKey<MainParams, Text>, 7> MainOtherTexts = {{
    {"SoundOver", &MainParams::SoundOver},
    {"SoundClick", &MainParams::SoundClick},
    {"OnLoadSound", &MainParams::OnLoadSound},
    {"DefUnAssExtProg", &MainParams::DefUnAssExtProg},
    {"DefUnAssExtParam", &MainParams::DefUnAssExtParam},
    {"DefNotFoundProg", &MainParams::DefNotFoundProg},
    {"IconFile", &MainParams::IconFile},
}};
// Booleans written before the integers; DisableSelText is one of them.
inline const std::array<FieldKey<MainParams, bool>, 4> MainBools = {{
    {"HideBorder", &MainParams::HideBorder},
    {"HandCursor", &MainParams::HandCursor},
    {"DisableSelText", &MainParams::DisableSelText},
    {"SimpleEsc", &MainParams::SimpleEsc},
}};
struct IntKey {
    const char* key;
    int32_t MainParams::*field;
    int32_t defaultValue;
};
inline const std::array<IntKey, 6> MainInts = {{
    {"SizeX", &MainParams::SizeX, 640},
    {"SizeY", &MainParams::SizeY, 460},
    {"ScrollStart", &MainParams::ScrollStart, 0},
    {"ScrollStartSpeed", &MainParams::ScrollStartSpeed, 1},
    {"ScrollEnd", &MainParams::ScrollEnd, 0},
    {"ScrollEndSpeed", &MainParams::ScrollEndSpeed, 1},
}};
inline const QByteArray CustomShapeKey = "CustomShape";
inline const QByteArray ReSortKey = "ReSort";

// Geometry keys of a button or the text area, in file order.
template <typename Record>
using GeometryKeys = std::array<FieldKey<Record, int32_t>, 4>;
inline const GeometryKeys<MenuButton> ButtonGeometry = {{
    {"Left", &MenuButton::Left},
    {"top", &MenuButton::Top},
    {"Height", &MenuButton::Height},
    {"Width", &MenuButton::Width},
}};
inline const GeometryKeys<TextInfo> TextInfoGeometry = {{
    {"Left", &TextInfo::Left},
    {"top", &TextInfo::Top},
    {"Height", &TextInfo::Height},
    {"Width", &TextInfo::Width},
}};
inline const QByteArray FontColorKey = "FontColor";
inline const QByteArray BackgroundColorKey = "BackgroundColor"; // read; matches any case
inline const QByteArray BackgroundColorWriteKey = "BackGroundColor";
inline const QByteArray DefaultFileKey = "DefaultFile";

// A button's texts after its geometry, in file order, with their capacities.
struct ButtonTextKey {
    const char* key;
    Text MenuButton::*field;
    int capacity;
};
inline const std::array<ButtonTextKey, 9> ButtonTexts = {{
    {"Params", &MenuButton::Params, MenuButton::TextCapacity},
    {"LoadInfo", &MenuButton::LoadInfo, MenuButton::TextCapacity},
    {"ShellRunAction", &MenuButton::ShellRunAction, MenuButton::TextCapacity},
    {"ShellRunParams", &MenuButton::ShellRunParams, MenuButton::TextCapacity},
    {"ShellRunPath", &MenuButton::ShellRunPath, MenuButton::TextCapacity},
    {"SoundOver", &MenuButton::SoundOver, MenuButton::TextCapacity},
    {"SoundClick", &MenuButton::SoundClick, MenuButton::TextCapacity},
    {"UnAssExt", &MenuButton::UnAssExt, MenuButton::TextCapacity},
    {"OnNotFound", &MenuButton::OnNotFound, MenuButton::TextCapacity},
}};
inline const QByteArray NameKey = "Name";
inline const QByteArray ActionKey = "Action";

inline QByteArray PointKey(char axis, int index) { return QByteArray(1, axis) + QByteArray::number(index); }

} // namespace LauncherIni
