#include "ui/core/button_commands.h"

#include "model/button_clipboard.h"
#include "model/button_slot_order.h"
#include "model/new_button_rect.h"
#include "platform/code_page.h"
#include "ui/core/editor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>

namespace {

QByteArray ClipboardText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    if (data->hasFormat(QString::fromLatin1(ButtonCommands::MimeType)))
        return data->data(QString::fromLatin1(ButtonCommands::MimeType));
    // Text from a text editor is in the editor's code page, as the project's texts are.
    return CodePage::FromUnicode(data->text());
}

} // namespace

void ButtonCommands::Press(int slot, bool toggle)
{
    if (toggle)
        m_selection.Toggle(slot);
    else if (!m_selection.Contains(slot))
        m_selection.SelectOnly(slot);
    else
        m_selection.MakeCurrent(slot);
    SelectionChanged();
}

void ButtonCommands::SelectBand(QPoint corner, QPoint opposite)
{
    m_selection.SelectBand(m_editor.Project(), corner, opposite);
    SelectionChanged();
}

void ButtonCommands::Pick(int slot)
{
    const bool used = slot >= 0 && slot < MenuProject::SlotCount && m_editor.Project().Buttons[slot].Used;
    m_selection.SelectOnly(used ? slot : -1);
}

void ButtonCommands::SelectAll()
{
    m_selection.SelectAllUsed(m_editor.Project());
    SelectionChanged();
}

void ButtonCommands::ClearSelection()
{
    m_selection.Clear();
    SelectionChanged();
}

void ButtonCommands::Walk(bool backwards)
{
    const MenuProject& project = m_editor.Project();
    const int start = m_selection.Current() >= 0 ? m_selection.Current() : (backwards ? 0 : -1);
    for (int step = 1; step <= MenuProject::SlotCount; ++step) {
        const int slot = ((start + (backwards ? -step : step)) % MenuProject::SlotCount + MenuProject::SlotCount) %
                         MenuProject::SlotCount;
        if (project.Buttons[slot].Used) {
            m_selection.SelectOnly(slot);
            SelectionChanged();
            return;
        }
    }
}

void ButtonCommands::Move(int dx, int dy)
{
    for (int slot : m_selection.Slots()) {
        MenuButton& b = m_editor.Project().Buttons[slot];
        b.Left += dx;
        b.Top += dy;
    }
    Changed(QStringLiteral("Move"));
}

void ButtonCommands::Resize(int dw, int dh)
{
    for (int slot : m_selection.Slots()) {
        MenuButton& b = m_editor.Project().Buttons[slot];
        b.Width = std::max(1, b.Width + dw);
        b.Height = std::max(1, b.Height + dh);
    }
    Changed(QStringLiteral("Resize"));
}

void ButtonCommands::Delete(QWidget* parent)
{
    if (m_selection.IsEmpty())
        return;
    if (m_editor.ConfirmDelete(parent, m_selection.Slots()))
        Remove(m_selection.Slots(), QStringLiteral("Delete"));
}

void ButtonCommands::Copy() const
{
    if (m_selection.IsEmpty())
        return;
    const QByteArray text = ButtonsToText(m_editor.Project(), m_selection.Slots());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(MimeType), text);
    data->setText(CodePage::ToUnicode(text));
    QApplication::clipboard()->setMimeData(data);
}

void ButtonCommands::Cut()
{
    // No question: what goes is on the clipboard, and Undo brings it back.
    if (m_selection.IsEmpty())
        return;
    Copy();
    Remove(m_selection.Slots(), QStringLiteral("Cut"));
}

void ButtonCommands::Paste(QWidget* parent)
{
    std::vector<MenuButton> buttons = ButtonsFromText(ClipboardText());
    if (!buttons.empty())
        Place(parent, PasteButtons(m_editor.Project(), std::move(buttons)), QStringLiteral("Paste"));
}

void ButtonCommands::Duplicate(QWidget* parent)
{
    if (!m_selection.IsEmpty())
        Place(parent, DuplicateButtons(m_editor.Project(), m_selection.Slots()), QStringLiteral("Duplicate"));
}

void ButtonCommands::Align(Alignment how, const QString& label)
{
    if (m_selection.Count() < 2)
        return;
    AlignButtons(m_editor.Project(), m_selection.Slots(), m_selection.Current(), how);
    Changed(label);
}

void ButtonCommands::BringToTop()
{
    if (!m_selection.IsEmpty())
        Renumbered(::BringToTop(m_editor.Project(), m_selection.Slots()), QStringLiteral("Bring to Top"));
}

void ButtonCommands::SendToBottom()
{
    if (!m_selection.IsEmpty())
        Renumbered(::SendToBottom(m_editor.Project(), m_selection.Slots()), QStringLiteral("Send to Bottom"));
}

void ButtonCommands::Renumbered(const SlotMap& moved, const QString& label)
{
    std::vector<int> chosen;
    for (int slot : m_selection.Slots())
        chosen.push_back(moved[size_t(slot)]);
    const int current = moved[size_t(m_selection.Current())];
    m_selection.SelectSlots(chosen);
    m_selection.MakeCurrent(current);
    m_editor.ButtonsSorted(moved);
    Changed(label);
}

void ButtonCommands::EditCurrent()
{
    if (!m_editor.Project().Buttons[m_editor.CurrentButton()].Used)
        return;
    m_editor.ShowButtonEditor();
    m_editor.LoadButtonEditor();
}

void ButtonCommands::NewButtonAt(QWidget* parent, QPoint at)
{
    MenuProject& project = m_editor.Project();
    const QRect place = NewButtonRectAt(project.Main, at);
    if (place.isEmpty())
        return;
    const int slot = project.ChooseNewButtonSlot();
    if (slot < 0) {
        m_editor.Dialogs().ShowInformation(
            parent, QStringLiteral("The menu has no free slot for a new button: delete one first."),
            QStringLiteral("New button"));
        return;
    }
    project.CreateButton(slot, place.left(), place.top(), place.width(), place.height());
    m_editor.Mouse().PickButton(slot);
    m_selection.SelectOnly(slot);
    // As a button drawn with the mouse: the editor shows it, the keys stay on the canvas.
    m_editor.ShowButtonEditor();
    Changed(QString());
}

void ButtonCommands::ProjectChanged()
{
    m_selection.KeepUsed(m_editor.Project());
}

void ButtonCommands::SelectionChanged()
{
    if (m_selection.Current() >= 0 && m_selection.Current() != m_editor.CurrentButton()) {
        // The lit button goes back to normal as when the list picks another.
        m_editor.Mouse().PickButton(m_selection.Current());
        m_editor.PublishCanvas();
        m_editor.ShowInButtonEditor();
    }
    m_editor.SelectionShown();
}

void ButtonCommands::Changed(const QString& label)
{
    m_editor.RedrawCanvas();
    m_editor.RefreshButtonListIfShown();
    m_editor.ShowInButtonEditor();
    m_editor.SelectionShown();
    m_editor.EndGesture(label);
}

void ButtonCommands::Place(QWidget* parent, const PasteOutcome& outcome, const QString& label)
{
    m_selection.SelectSlots(outcome.Slots);
    if (m_selection.Current() >= 0)
        m_editor.Mouse().PickButton(m_selection.Current());
    Changed(label);
    if (outcome.LeftOut > 0)
        m_editor.Dialogs().ShowInformation(
            parent, QStringLiteral("%1 buttons were left out: the menu has no free slot for them.").arg(outcome.LeftOut),
            label);
}

void ButtonCommands::Remove(const std::vector<int>& chosen, const QString& label)
{
    for (int slot : chosen)
        m_editor.Project().Buttons[slot].Used = false;
    m_selection.Clear();
    m_editor.RefreshButtonList();
    Changed(label);
}
