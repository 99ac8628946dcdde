#pragma once
#include "model/check_finding.h"

#include <QString>

class MenuProject;
class QImage;
struct MenuButton;

// Checks a project against what goes wrong on a real disc: files it names that
// are missing (or present only under another letter case), names the disc
// cannot hold, buttons the player drops or cannot reach, pictures of the wrong
// size, help files it cannot show, a text area or shape outside the menu, a
// menu with no background, the editor's own backup and temporary files on the
// disc and, with a CD root, autorun.inf and files outside the CD root. Reads
// the files; changes nothing.
class ProjectCheck {
public:
    // The INI file and the CD root are local paths; the CD root may be empty.
    ProjectCheck(const MenuProject& project, const QString& iniFileName, const QString& cdRoot = {});

    CheckFindings Run();

    // Joliet holds at most this many characters per name.
    static constexpr int JolietNameLimit = 64;
    // ISO 9660 nests folders at most this deep.
    static constexpr int FolderDepthLimit = 8;

private:
    enum class FileKind { Plain, Help, RunTarget };

    void CheckMainFiles();
    void CheckButtonFiles(int slot, const MenuButton& button);
    void CheckMaskFile();
    void CheckFile(const QString& section, const QString& key, const QByteArray& storedName, FileKind kind);
    void CheckExistingFile(const QString& section, const QString& key, const QString& path, FileKind kind);
    void CheckHelpFile(const QString& section, const QString& key, const QString& path);
    void CheckButton(int slot, const MenuButton& button);
    void CheckButtonArea(const QString& section, const MenuButton& button);
    void CheckOverlaps();
    void CheckPictures();
    void CheckPictureSize(const QString& key, const QByteArray& storedName, const QImage& picture);
    void CheckTextArea();
    void CheckShape();
    void CheckDiscNames();
    void CheckEditorFiles();
    void CheckDiscName(const QString& relativePath, bool isFolder);
    void CheckAutorun();
    void CheckInsideCdRoot(const QString& section, const QString& key, const QString& path);

    // The local path of a stored name, or empty when it cannot be known here (a
    // drive letter, or a name from the disc's root without a CD root).
    QString ExactPath(const QByteArray& storedName) const;
    bool ExistingPicture(const QByteArray& storedName) const;
    void Add(CheckFinding::Severity level, const QString& section, const QString& key, const QString& message);

    const MenuProject& m_project;
    QString m_iniFile;
    QString m_projectFolder;
    QString m_cdRoot;
    CheckFindings m_findings;
};
