#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// A disc image to build: the CD root, the image file, its volume label and the
// project the disc plays, checked before anything is written.
struct DiscImageRequest {
    QString CdRoot;
    QString ImageFile;
    QString Volume;  // empty: made from the CD root's name
    QString IniFile; // empty: the launcher.ini that autorun.inf names
    bool KeepEditorFiles = false; // the project's backup and temporary file go onto the disc too

    // The leaf names the image leaves out: the editor's backup and temporary
    // file of the project (launcher.bak, launcher.tmp), unless they are kept.
    QStringList LeftOut() const;

    // Throws VyxError when the CD root is no folder.
    void CheckCdRoot() const;
    // Makes both places absolute (the CD root ending in "/") and fills an empty
    // volume label. Throws VyxError when the CD root is no folder or the image
    // would lie inside it (also through a symbolic link), where it would take
    // itself in.
    void CheckPlaces();
    // The project to check: the named INI file, else the launcher.ini beside the
    // player that autorun.inf starts; nothing when there is neither.
    std::optional<QString> ProjectFile() const;
};
