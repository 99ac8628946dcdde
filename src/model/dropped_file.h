#pragma once
#include <QString>

// What a file dropped from a file manager onto the canvas is for.
enum class DroppedFileUse {
    Background,     // a BMP or JPEG on empty canvas: one of the three background pictures
    UnshownPicture, // another picture format on empty canvas: the player cannot show it
    HelpFile,       // an .rtf or .txt on a button: its help text
    Target,         // any other file on a button: what it runs
    Nothing,        // anything else on empty canvas
};

// By the name's extension, in any case; a picture is what Qt's image plugins read.
DroppedFileUse UseOfDroppedFile(const QString& fileName, bool onButton);
