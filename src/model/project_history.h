#pragma once
#include "model/menu_project.h"

#include <QImage>
#include <QString>
#include <deque>

// Everything of a project that the player reads and the editor saves: the
// records, the kept code page and the three pictures. The texts are implicitly
// shared byte arrays and the pictures shared QImages, so a copy costs about the
// size of the records (sizeof(ProjectState)) and shares the rest with the copy
// it was taken from until one side changes.
struct ProjectState {
    MainParams Main;
    std::array<MenuButton, MenuProject::SlotCount> Buttons{};
    ::TextInfo TextInfo;
    CustomShape Shape;
    QString CodePage;
    QImage NormalPicture;
    QImage OverPicture;
    QImage ClickPicture;
    // The run's code page when the state was taken (CodePage::Name()): the texts'
    // bytes are shown in it. Restored with the state, never compared.
    QString ActiveCodePage;

    static ProjectState Of(const MenuProject& project);
    void PutInto(MenuProject& project) const;
    // Records by value; pictures by their pixels (a shared picture at once).
    bool Matches(const MenuProject& project) const;
    bool operator==(const ProjectState& other) const;
};

// How the Edit menu names the step from `before` to `after`: "Move Button#3",
// "Name of Button#3", "New Button#4", "Delete Button#2", "Sort", "Text area",
// "Shape points", "Program Parameters"; "Edit" when several kinds changed.
QString DescribeChange(const ProjectState& before, const ProjectState& after);

// The undo history of one project: labelled whole states, the oldest dropped
// past the depth. State 0 is the one loaded (or made by New); each step leads to
// the state after it. The "clean" state is the one last loaded or saved: the
// project is modified while the current state differs from it.
class ProjectHistory {
public:
    static constexpr int DefaultDepth = 100;

    explicit ProjectHistory(int depth = DefaultDepth);

    // A new history whose only state is the project's, clean.
    void Start(const MenuProject& project);
    // When the project differs from the current state: forgets the states that
    // could be redone and adds one, named `label` (or as DescribeChange names
    // it when `label` is empty). False when nothing changed.
    bool Record(const MenuProject& project, const QString& label = QString());
    // True when the project no longer is the current state: a change not recorded yet.
    bool Differs(const MenuProject& project) const { return !m_entries[size_t(m_current)].State.Matches(project); }

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < int(m_entries.size()); }
    // The label of the step Undo takes back or Redo does again; empty when there is none.
    QString UndoLabel() const;
    QString RedoLabel() const;
    // Moves one step and returns the state to put into the project. Only when CanUndo / CanRedo.
    const ProjectState& Undo();
    const ProjectState& Redo();
    const ProjectState& Current() const { return m_entries[size_t(m_current)].State; }

    // The current state becomes the project as it is now, with no step of its
    // own (a save that sorted the buttons): the steps around it are kept. A
    // clean current state is clean no more until MarkClean.
    void ReplaceCurrent(const MenuProject& project);
    // The current state is the one on disk now (a save).
    void MarkClean();
    // The current state differs from the one last loaded or saved.
    bool IsModified() const;
    // The project is what was last loaded or saved.
    bool MatchesClean(const MenuProject& project) const { return m_cleanState.Matches(project); }

    int Depth() const { return m_depth; }
    // Steps that can be undone from the newest state: at most Depth().
    int StepCount() const { return int(m_entries.size()) - 1; }
    int CurrentIndex() const { return m_current; }
    // The index of the clean state, or -1 when it was dropped or can no longer be reached.
    int CleanIndex() const { return m_clean; }

private:
    struct Entry {
        ProjectState State;
        QString Label; // of the step that led to this state; empty for state 0
    };

    std::deque<Entry> m_entries;
    int m_current = 0;
    int m_clean = 0;
    ProjectState m_cleanState; // kept when its entry is gone, so that undoing back to equal content clears the mark
    int m_depth;
};
