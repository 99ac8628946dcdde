#pragma once
#include "model/check_finding.h"

#include <QString>
#include <optional>

class Editor;
class QWidget;
struct DiscImageRequest;

// "Make ISO image...": asks for the image file, checks the disc's project with
// the CD root, and writes the image through xorriso under a progress dialog
// whose Cancel stops it. Its boxes go through the editor's shared dialogs.
class IsoImageMaker {
public:
    IsoImageMaker(Editor& editor, QWidget* parent);

    // Throws VyxError for a refused place or a failed write.
    void Make(const QString& cdRoot);

private:
    std::optional<QString> AskImageFile(const QString& cdRoot);
    // The launcher.ini that autorun.inf names, else the project being edited.
    CheckFindings CheckProject(const DiscImageRequest& request);
    // True without errors, or when the user builds anyway.
    bool AcceptFindings(const CheckFindings& findings);
    // False when cancelled.
    bool Write(const DiscImageRequest& request);

    Editor& m_editor;
    QWidget* m_parent;
};
