#pragma once
#include <QString>

class Editor;
class QWidget;

// A main background with transparent parts (a PNG or WebP with any pixel less
// than opaque) is offered as the window's mask: opaque where alpha >= 128,
// written as the project's mask file, the one the mask maker writes. A ticked
// custom shape would go before the mask in the player, so it is unticked (the
// question says so; the caller's gesture records the change). True when the
// mask file was written. Throws VyxError when the picture cannot be read or
// the mask file cannot be written.
bool OfferAlphaMask(Editor& editor, QWidget* parent, const QString& absolutePath);
