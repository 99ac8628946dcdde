#pragma once
#include "model/menu_project.h"
#include "model/status_sink.h"

#include <QString>

// What loading and saving hand to the windows. The editor forwards these to its
// windows; the headless tool only keeps the log.
class ProjectView : public StatusSink {
public:
    virtual void SetApplicationTitle(const QString& title) = 0;
    virtual void SetWindowCaption(const QString& caption) = 0;
    virtual void SetDesignSize(int sizeX, int sizeY) = 0;
    // The check-box values (DisableSelText, ReSort, UseCustomShape) changed in the project.
    virtual void ProjectFlagsChanged() = 0;
    // The project's TextInfo was read: apply it to the text area and its controls.
    virtual void TextInfoLoaded() = 0;
    virtual void RedrawCanvas() = 0;
    // Refreshes the buttons list when that window is shown.
    virtual void RefreshButtonListIfShown() = 0;
    virtual void FillPointList() = 0;
    // Slots were renumbered by a sort; whoever names a slot follows its button.
    virtual void ButtonsSorted(const SlotMap& moved) = 0;
};
