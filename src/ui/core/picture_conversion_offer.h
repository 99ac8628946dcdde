#pragma once
#include <QMessageBox>
#include <QString>
#include <optional>

class Editor;
class QWidget;

// The open-file filter of every picture picker: the player's own formats
// first, then those the editor converts into them.
extern const QString PlayerPictureFilter;

// The answers of the conversion question (its buttons are named after the files).
constexpr QMessageBox::StandardButton ConvertToJpeg = QMessageBox::Yes;
constexpr QMessageBox::StandardButton ConvertToBmp = QMessageBox::No;

// A picked picture launcher.exe cannot show (anything but BMP and JPEG) is
// offered for conversion into NAME.jpg or NAME.bmp beside it, each shown with
// the size of its file and the one PictureConverter proposes as the default;
// an SVG is drawn at the menu's size. A different file already under the
// chosen name is replaced only after asking. Returns the absolute name of the
// picture to use: `absolutePath` itself when the player shows it, else the
// converted file; nothing when the user declined. A picture that cannot be
// read or a file that cannot be written throws VyxError.
std::optional<QString> OfferPlayerPicture(Editor& editor, QWidget* parent, const QString& absolutePath);
