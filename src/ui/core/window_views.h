#pragma once
#include "model/menu_project.h"
#include "model/status_sink.h"

#include <QImage>
#include <QRect>
#include <QString>

// The narrow faces the windows show the Editor; no window includes another's header.

class StatusWindowView : public StatusSink {
public:
    virtual bool IsShown() const = 0;
    // Raises a shown window over the main window, which the window manager has
    // just raised on its activation.
    virtual void KeepAbove() = 0;
    // Another window lay over it when the user turned to the main window just
    // now: a press on "status" then raises it rather than hiding it.
    virtual bool IsCovered() const = 0;
};

class ButtonEditorView {
public:
    virtual ~ButtonEditorView() = default;
    virtual void ShowEditor() = 0;
    virtual void HideEditor() = 0;
    virtual bool IsShown() const = 0;
    virtual void LoadButtonEditor() = 0;
    // Shows CurrentButton (as LoadButtonEditor) but leaves the focus where it is.
    virtual void ShowCurrentButton() = 0;
    // A project was loaded: show its CurrentButton without taking the focus,
    // or nothing (and take no edits) when that slot is not used.
    virtual void ProjectLoaded() = 0;
    // Slots were renumbered: keep showing the same button under its new number.
    virtual void FollowSort(const SlotMap& moved) = 0;
    // Undo or Redo put another state into the project: show the same slot as it
    // is now (nothing, and take no edits, when it is no longer used).
    virtual void ProjectRestored() = 0;
};

class ButtonListView {
public:
    virtual ~ButtonListView() = default;
    virtual void ShowList() = 0;
    virtual void HideList() = 0;
    virtual bool IsShown() const = 0;
    virtual void RefreshButtonList() = 0;
};

class HelpView {
public:
    virtual ~HelpView() = default;
    virtual void ShowTopic(const QString& topic) = 0;
    virtual void ShowContext(int context) = 0;
};

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual void SetDesignSize(int sizeX, int sizeY) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetApplicationTitle(const QString& title) = 0;
    virtual void ProjectFlagsChanged() = 0;
    virtual void TextInfoLoaded() = 0;
    virtual void ShowTextFile(const QString& storedName) = 0;
    virtual bool ClickEditChecked() const = 0;
    virtual void CanvasChanged(const QRect& dirty) = 0;
    // The room the canvas has in the window (for fitting the zoom to it).
    virtual QSize CanvasRoom() const = 0;
    virtual void SetIniFileName(const QString& name) = 0;
    // The project differs from what was last loaded or saved (the caption's mark).
    virtual void SetModified(bool modified) = 0;
};

class ParamsDialogView {
public:
    virtual ~ParamsDialogView() = default;
    // FillParamsDialog, make the page (index from 0) the active one, run modally.
    virtual void OpenParams(int page) = 0;
};

class ShapeWindowView {
public:
    virtual ~ShapeWindowView() = default;
    virtual void ShowShapeWindow() = 0;
    virtual void HideShapeWindow() = 0;
    virtual bool IsShown() const = 0;
    // Rows 0..99 from the project's point table, used slots checked.
    virtual void FillPointList() = 0;
    // The Editor copied the normal picture for the shape window (ShapePicture).
    virtual void ShapeBackgroundChanged() = 0;
};

class MaskMakerView {
public:
    virtual ~MaskMakerView() = default;
    // Both the shown picture and the hidden copy become copies of `picture`.
    virtual void UsePicture(const QImage& picture) = 0;
    // Modal: returns when the mask maker is closed.
    virtual void ShowMaskMaker() = 0;
    virtual void HideMaskMaker() = 0;
    virtual bool IsShown() const = 0;
};

class AutorunWizardView {
public:
    virtual ~AutorunWizardView() = default;
    // Shows the wizard modally, on the page where it was last closed.
    virtual void OpenWizard() = 0;
    // The CD root chosen on the first page; empty while there is none.
    virtual QString CdRootFolder() const = 0;
};

class PreviewView {
public:
    virtual ~PreviewView() = default;
    // Shows the menu from the project in memory, as the player would, and
    // brings the preview to the front.
    virtual void ShowPreview() = 0;
};

class CheckWindowView {
public:
    virtual ~CheckWindowView() = default;
    // Checks the project in memory, lists what was found and brings the window to the front.
    virtual void ShowCheck() = 0;
    // Another project was loaded: the rows of the old one must not lead into it.
    virtual void ProjectLoaded() = 0;
};
