#include "model/project_history.h"

#include "platform/code_page.h"

#include <QStringList>
#include <algorithm>

ProjectState ProjectState::Of(const MenuProject& project)
{
    return ProjectState{project.Main,          project.Buttons,     project.TextInfo,
                        project.Shape,         project.CodePage,    project.NormalPicture,
                        project.OverPicture,   project.ClickPicture, CodePage::Name()};
}

void ProjectState::PutInto(MenuProject& project) const
{
    project.Main = Main;
    project.Buttons = Buttons;
    project.TextInfo = TextInfo;
    project.Shape = Shape;
    project.CodePage = CodePage;
    project.NormalPicture = NormalPicture;
    project.OverPicture = OverPicture;
    project.ClickPicture = ClickPicture;
}

namespace {

// A state and a project name their parts alike.
template <typename Other>
bool SameContent(const ProjectState& state, const Other& other)
{
    // The records first: they differ far more often than the pictures, and cost less to compare.
    return state.Main == other.Main && state.TextInfo == other.TextInfo && state.Buttons == other.Buttons
           && state.Shape == other.Shape && state.CodePage == other.CodePage
           && state.NormalPicture == other.NormalPicture && state.OverPicture == other.OverPicture
           && state.ClickPicture == other.ClickPicture;
}

} // namespace

bool ProjectState::Matches(const MenuProject& project) const { return SameContent(*this, project); }

bool ProjectState::operator==(const ProjectState& other) const { return SameContent(*this, other); }

namespace {

struct ButtonText {
    Text MenuButton::*Field;
    const char* Caption; // as the button editor labels the box
};

const ButtonText ButtonTexts[] = {
    {&MenuButton::Name, "Name"},
    {&MenuButton::Action, "Action"},
    {&MenuButton::Params, "Executing"},
    {&MenuButton::LoadInfo, "TextFile"},
    {&MenuButton::ShellRunAction, "ShellRun action"},
    {&MenuButton::ShellRunParams, "ShellRun param"},
    {&MenuButton::ShellRunPath, "ShellRun path"},
    {&MenuButton::SoundOver, "MouseOver sound"},
    {&MenuButton::SoundClick, "MouseClick sound"},
    {&MenuButton::UnAssExt, "UnAssExt"},
    {&MenuButton::OnNotFound, "Not found"},
};

QString DescribeButton(int slot, const MenuButton& a, const MenuButton& b)
{
    const QString which = QStringLiteral("Button#%1").arg(slot);
    if (!a.Used && b.Used)
        return QStringLiteral("New ") + which;
    if (a.Used && !b.Used)
        return QStringLiteral("Delete ") + which;
    const bool moved = a.Left != b.Left || a.Top != b.Top;
    const bool resized = a.Width != b.Width || a.Height != b.Height;
    QStringList texts;
    for (const ButtonText& t : ButtonTexts)
        if (a.*t.Field != b.*t.Field)
            texts << QLatin1String(t.Caption);
    if (texts.isEmpty() && resized)
        return QStringLiteral("Resize ") + which;
    if (texts.isEmpty() && moved)
        return QStringLiteral("Move ") + which;
    if (texts.size() == 1 && !moved && !resized)
        return texts.front() + QStringLiteral(" of ") + which;
    return QStringLiteral("Edit ") + which;
}

// The same slots' contents in another order, as Sort leaves them.
bool IsReordering(const std::array<MenuButton, MenuProject::SlotCount>& before,
                  const std::array<MenuButton, MenuProject::SlotCount>& after)
{
    std::array<bool, MenuProject::SlotCount> taken{};
    for (const MenuButton& b : after) {
        bool found = false;
        for (size_t i = 0; i < before.size() && !found; ++i)
            if (!taken[i] && before[i] == b)
                found = taken[i] = true;
        if (!found)
            return false;
    }
    return true;
}

QString DescribeButtons(const ProjectState& before, const ProjectState& after)
{
    std::vector<int> changed;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (!(before.Buttons[size_t(slot)] == after.Buttons[size_t(slot)]))
            changed.push_back(slot);
    if (changed.size() == 1)
        return DescribeButton(changed.front(), before.Buttons[size_t(changed.front())],
                              after.Buttons[size_t(changed.front())]);
    return IsReordering(before.Buttons, after.Buttons) ? QStringLiteral("Sort") : QStringLiteral("Buttons");
}

QString DescribeTextInfo(const TextInfo& a, const TextInfo& b)
{
    if (a.Left >= 0 && b.Left < 0)
        return QStringLiteral("Hide text area");
    const bool moved = a.Left != b.Left || a.Top != b.Top;
    const bool resized = a.Width != b.Width || a.Height != b.Height;
    const bool coloured = a.BackgroundColor != b.BackgroundColor || a.FontColor != b.FontColor;
    const bool file = a.DefaultFile != b.DefaultFile;
    const int kinds = int(moved) + int(resized) + int(coloured) + int(file);
    if (kinds != 1)
        return QStringLiteral("Text area");
    if (moved)
        return QStringLiteral("Move text area");
    if (resized)
        return QStringLiteral("Resize text area");
    if (coloured)
        return QStringLiteral("Text area colour");
    return QStringLiteral("Default text file");
}

QString DescribeMain(const ProjectState& before, const ProjectState& after)
{
    MainParams a = before.Main;
    const MainParams& b = after.Main;
    const bool picturesSame = before.NormalPicture == after.NormalPicture && before.OverPicture == after.OverPicture
                              && before.ClickPicture == after.ClickPicture && before.CodePage == after.CodePage;
    if (!picturesSame)
        return QStringLiteral("Program Parameters");
    // The check boxes of the main window: one of them and nothing else.
    a.DisableSelText = b.DisableSelText;
    if (a == b)
        return QStringLiteral("Disable Pointer");
    a = before.Main;
    a.ReSort = b.ReSort;
    if (a == b)
        return QStringLiteral("Sort check box");
    a = before.Main;
    a.UseCustomShape = b.UseCustomShape;
    a.HideBorder = b.HideBorder;
    if (a == b && before.Main.UseCustomShape != b.UseCustomShape)
        return QStringLiteral("Use custom shape");
    return QStringLiteral("Program Parameters");
}

} // namespace

QString DescribeChange(const ProjectState& before, const ProjectState& after)
{
    const bool buttons = !(before.Buttons == after.Buttons);
    const bool text = !(before.TextInfo == after.TextInfo);
    const bool shape = !(before.Shape == after.Shape);
    const bool main = !(before.Main == after.Main) || before.CodePage != after.CodePage
                      || before.NormalPicture != after.NormalPicture || before.OverPicture != after.OverPicture
                      || before.ClickPicture != after.ClickPicture;
    const int kinds = int(buttons) + int(text) + int(shape) + int(main);
    if (kinds != 1)
        return QStringLiteral("Edit");
    if (buttons)
        return DescribeButtons(before, after);
    if (text)
        return DescribeTextInfo(before.TextInfo, after.TextInfo);
    if (shape)
        return QStringLiteral("Shape points");
    return DescribeMain(before, after);
}

ProjectHistory::ProjectHistory(int depth) : m_depth(std::max(depth, 1))
{
    m_entries.push_back({});
}

void ProjectHistory::Start(const MenuProject& project)
{
    m_entries.clear();
    m_entries.push_back({ProjectState::Of(project), QString()});
    m_current = 0;
    m_clean = 0;
    m_cleanState = m_entries.front().State;
}

bool ProjectHistory::Record(const MenuProject& project, const QString& label)
{
    if (!Differs(project))
        return false;
    // What could be redone is gone once another change is made.
    m_entries.erase(m_entries.begin() + m_current + 1, m_entries.end());
    if (m_clean > m_current)
        m_clean = -1;
    ProjectState state = ProjectState::Of(project);
    QString name = label.isEmpty() ? DescribeChange(Current(), state) : label;
    m_entries.push_back({std::move(state), std::move(name)});
    ++m_current;
    while (StepCount() > m_depth) {
        m_entries.pop_front();
        --m_current;
        m_clean = m_clean > 0 ? m_clean - 1 : -1;
    }
    return true;
}

QString ProjectHistory::UndoLabel() const
{
    return CanUndo() ? m_entries[size_t(m_current)].Label : QString();
}

QString ProjectHistory::RedoLabel() const
{
    return CanRedo() ? m_entries[size_t(m_current + 1)].Label : QString();
}

const ProjectState& ProjectHistory::Undo()
{
    if (CanUndo())
        --m_current;
    return Current();
}

const ProjectState& ProjectHistory::Redo()
{
    if (CanRedo())
        ++m_current;
    return Current();
}

void ProjectHistory::ReplaceCurrent(const MenuProject& project)
{
    m_entries[size_t(m_current)].State = ProjectState::Of(project);
    if (m_clean == m_current)
        m_clean = -1; // its content is still m_cleanState, compared by IsModified
}

void ProjectHistory::MarkClean()
{
    m_clean = m_current;
    m_cleanState = Current();
}

bool ProjectHistory::IsModified() const
{
    return m_clean != m_current && !(Current() == m_cleanState);
}
