#pragma once
#include <QImage>
#include <QString>
#include <optional>

class Editor;
class QWidget;

// The picture a background name picked or dropped for the project names. The
// project folder becomes the current folder, so that a relative name resolves
// there as the player's would. When no file has the name: "Nebyl nalezen
// soubor s pozadím" and nothing. A picture that cannot be decoded throws
// VyxError with the loader's message.
std::optional<QImage> LoadBackgroundPicture(Editor& editor, QWidget* parent, const QString& storedName);
