#pragma once
#include <QString>

// Where loading and saving report their progress: the status window in the
// editor, a plain log in the headless tool.
class StatusSink {
public:
    virtual ~StatusSink() = default;

    virtual void SetStatus(const QString& text) = 0;
    virtual void AddLine(const QString& text) = 0;
    // Sets WarningsShown and adds "! " + text.
    virtual void AddWarning(const QString& text) = 0;
    virtual void ClearLog() = 0;
    virtual void ShowStatus() = 0;
    virtual void HideStatus() = 0;   // keeps WarningsShown
    virtual void CloseStatus() = 0;  // hides and clears WarningsShown
    virtual bool WarningsShown() const = 0;
};
