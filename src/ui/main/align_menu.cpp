#include "ui/main/align_menu.h"

#include "ui/core/button_commands.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

AlignMenu::AlignMenu(Editor& editor, QWidget* window, QWidget* parent)
    : QMenu(QStringLiteral("Align and Si&ze"), parent), m_editor(editor)
{
    setObjectName(QStringLiteral("AlignMenu"));
    struct Entry {
        const char* text;
        const char* name;
        Alignment how;
    };
    // Separators between the groups: the lines, the spacing, the sizes.
    static const Entry entries[] = {
        {"Align &Left", "ActionAlignLeft", Alignment::Left},
        {"Align &Right", "ActionAlignRight", Alignment::Right},
        {"Align &Top", "ActionAlignTop", Alignment::Top},
        {"Align &Bottom", "ActionAlignBottom", Alignment::Bottom},
        {"Align Horizontal &Centres", "ActionAlignHorizontalCentres", Alignment::HorizontalCentres},
        {"Align &Vertical Centres", "ActionAlignVerticalCentres", Alignment::VerticalCentres},
        {nullptr, nullptr, Alignment::Left},
        {"Distribute &Horizontally", "ActionDistributeHorizontally", Alignment::DistributeHorizontally},
        {"Distribute V&ertically", "ActionDistributeVertically", Alignment::DistributeVertically},
        {nullptr, nullptr, Alignment::Left},
        {"Same &Width", "ActionSameWidth", Alignment::SameWidth},
        {"Same Hei&ght", "ActionSameHeight", Alignment::SameHeight},
        {"Same &Size", "ActionSameSize", Alignment::SameSize},
    };
    for (const Entry& e : entries) {
        if (!e.text) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(QString::fromLatin1(e.text));
        action->setObjectName(QString::fromLatin1(e.name));
        // The step is named as the entry: "Undo Align Left".
        const QString label = action->text().remove(u'&');
        connect(action, &QAction::triggered, this, [this, window, how = e.how, label] {
            Guarded(m_editor.Dialogs(), window, [&] { m_editor.Buttons().Align(how, label); });
        });
    }
    FollowSelection();
    connect(this, &QMenu::aboutToShow, this, &AlignMenu::FollowSelection);
}

void AlignMenu::FollowSelection()
{
    const bool enough = m_editor.Buttons().Selection().Count() >= 2;
    for (QAction* action : actions())
        action->setEnabled(enough);
}
