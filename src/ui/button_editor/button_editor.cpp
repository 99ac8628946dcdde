#include "ui/button_editor/button_editor.h"

#include "model/button_action.h"
#include "platform/code_page.h"
#include "platform/vyx_error.h"
#include "ui/controls/code_page_guard.h"
#include "ui/controls/field_leave.h"
#include "ui/controls/file_name_drop.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/core/file_picker.h"
#include "ui_button_editor.h"

#include <QEvent>
#include <array>
#include <utility>

namespace {

constexpr int ClientWidth = 269;
constexpr int ClientHeight = 377;
// "?.." opens the Program Parameters dialog on its About page.
constexpr int AboutPage = 4;

const QString ProgramsFilter = QStringLiteral("Programs|*.exe;*.com;*.pif;*.lnk|All files|*.*");
const QString SoundsFilter = QStringLiteral("WAV|*.wav|All|*.*");

// A spin edit's text as the toolkit's integer conversion reads it.
int ReadInteger(const QLineEdit* box) { return StrToInt(box->text()); }

Text BoxText(const QLineEdit* box, int capacity)
{
    return CutToCapacity(CodePage::FromUnicode(box->text()), capacity);
}

QString Shown(const Text& text) { return CodePage::ToUnicode(text); }

void SetRange(TSuperSpinEditI* spin, int maxValue)
{
    spin->SetMinValue(0);
    spin->SetMaxValue(maxValue);
    // Enter beeps here and letters are never cased.
    spin->Flat().EnterLikeTab = false;
    spin->SetCaseMode(cmNormal);
}

} // namespace

ButtonEditor::ButtonEditor(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_ui(std::make_unique<Ui::ButtonEditor>())
{
    m_ui->setupUi(this);
    // A click on the canvas shows the button here and keeps the keys on the canvas:
    // the editor takes the focus when the user goes there (or LoadButtonEditor sends them).
    setAttribute(Qt::WA_ShowWithoutActivating);
    GuardProjectTexts(this);
    setFixedSize(ClientWidth, ClientHeight);
    for (const QByteArray& item : ButtonAction::EditorItems)
        m_ui->ComboBox1->addItem(QString::fromLatin1(item));
    m_ui->ComboBox1->setCurrentIndex(-1);
    SetRange(m_ui->X, 1024);
    SetRange(m_ui->Y, 768);
    SetRange(m_ui->Edit2, 768);
    SetRange(m_ui->Edit3, 1024);
    ConnectBoxes();
    ConnectPickers();
}

ButtonEditor::~ButtonEditor() = default;

void ButtonEditor::ConnectBoxes()
{
    for (QLineEdit* box : {m_ui->Edit1, m_ui->Edit4, m_ui->Edit7, m_ui->Edit12, m_ui->Edit11, m_ui->Edit8,
                           m_ui->Edit5, m_ui->Edit6, m_ui->Edit9, m_ui->Edit10})
        connect(box, &QLineEdit::textChanged, this, [this] { Handle(&ButtonEditor::ApplyButtonEdits); });
    for (TSuperSpinEditI* spin : {m_ui->X, m_ui->Y, m_ui->Edit2, m_ui->Edit3}) {
        connect(spin, &QLineEdit::textChanged, this, [this] { Handle(&ButtonEditor::GeometryChange); });
        connect(spin, &TSuperSpinEditI::Exited, this,
                [this, spin] { Guarded(m_editor.Dialogs(), this, [&] { GeometryExit(spin); }); });
    }
    connect(m_ui->ComboBox1, &QComboBox::activated, this,
            [this](int index) { Guarded(m_editor.Dialogs(), this, [&] { ActionChange(index); }); });
    connect(m_ui->Button2, &QPushButton::clicked, this, [this] { Handle(&ButtonEditor::DeleteButton); });
    connect(m_ui->Button5, &QPushButton::clicked, this,
            [this] { Guarded(m_editor.Dialogs(), this, [&] { m_editor.ShowButtonList(); }); });
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this,
            [this] { Guarded(m_editor.Dialogs(), this, [&] { m_editor.ShowParamsDialog(AboutPage); }); });
    // Leaving the path box is seen before the box itself handles it.
    m_ui->Edit6->installEventFilter(this);
}

void ButtonEditor::ConnectPickers()
{
    const std::array<std::pair<QPushButton*, Picker>, 6> pickers = {{
        {m_ui->PickExecuting, {m_ui->Edit4, QStringLiteral("Executing program..."), ProgramsFilter, false}},
        {m_ui->PickTextFile,
         {m_ui->Edit7, QStringLiteral("Help file..."), QStringLiteral("RTF docs|*.rtf|TXT docs|*.txt|All files|*.*"),
          true}},
        {m_ui->PickSoundOver, {m_ui->Edit9, QStringLiteral("Sound file: Mouse OVER"), SoundsFilter, true}},
        {m_ui->PickSoundClick, {m_ui->Edit10, QStringLiteral("Sound file: Mouse Clicked"), SoundsFilter, true}},
        {m_ui->PickUnAssExt, {m_ui->Edit11, QStringLiteral("UnAss Program..."), ProgramsFilter, false}},
        {m_ui->PickNotFound, {m_ui->Edit12, QStringLiteral("NotFound file..."), ProgramsFilter, false}},
    }};
    for (const auto& [button, picker] : pickers) {
        connect(button, &QPushButton::clicked, this,
                [this, picker = picker] { Guarded(m_editor.Dialogs(), this, [&] { PickFile(picker); }); });
        FileNameDrop::Install(picker.Box, m_editor.Dialogs(), [this, picker = picker](const QString& file) {
            PutName(picker, StoredProjectName(m_editor, file));
        });
    }
}

void ButtonEditor::Handle(void (ButtonEditor::*handler)())
{
    Guarded(m_editor.Dialogs(), this, [&] { (this->*handler)(); });
}

void ButtonEditor::ShowEditor()
{
    show();
    raise();
}

void ButtonEditor::HideEditor() { hide(); }

bool ButtonEditor::IsShown() const { return isVisible(); }

void ButtonEditor::ShowCurrentButton()
{
    const int slot = m_editor.CurrentButton();
    Fill(m_editor.Project().Buttons.at(slot), QString::number(slot));
}

void ButtonEditor::LoadButtonEditor()
{
    ShowCurrentButton();
    // A hidden editor must not pull the focus away from the canvas.
    if (isVisible()) {
        activateWindow();
        m_ui->Edit1->setFocus();
        m_ui->Edit1->selectAll();
    }
}

void ButtonEditor::ProjectLoaded() { ShowSlot(m_editor.CurrentButton()); }

void ButtonEditor::ProjectRestored()
{
    bool ok = false;
    const int slot = m_ui->Butt->text().toInt(&ok, 10);
    ShowSlot(ok && slot >= 0 && slot < MenuProject::SlotCount ? slot : m_editor.CurrentButton());
}

void ButtonEditor::ShowSlot(int slot)
{
    const MenuButton& button = m_editor.Project().Buttons.at(slot);
    if (button.Used)
        Fill(button, QString::number(slot));
    else
        Fill(MenuButton(), QString());
    EnableFields(button.Used);
}

void ButtonEditor::Fill(const MenuButton& button, const QString& number)
{
    m_editorLoading = true;
    try {
        m_ui->Edit1->setText(Shown(button.Name));
        m_ui->Butt->setText(number);
        FillBoxes(button);
        SelectAction(Shown(button.Action));
        SetShellRunEnable(button.Action == ButtonAction::Run);
        EnableFields(true);
    } catch (...) {
        m_editorLoading = false;
        throw;
    }
    m_editorLoading = false;
}

void ButtonEditor::EnableFields(bool enabled)
{
    for (QWidget* area : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        area->setEnabled(enabled);
}

void ButtonEditor::FillBoxes(const MenuButton& button)
{
    // Geometry is shown unclamped; the spin edits clamp only when the focus leaves them.
    m_ui->X->setText(QString::number(button.Left));
    m_ui->Y->setText(QString::number(button.Top));
    m_ui->Edit2->setText(QString::number(button.Height));
    m_ui->Edit3->setText(QString::number(button.Width));
    m_ui->Edit4->setText(Shown(button.Params));
    m_ui->Edit7->setText(Shown(button.LoadInfo));
    m_ui->Edit5->setText(Shown(button.ShellRunParams));
    m_ui->Edit6->setText(Shown(button.ShellRunPath));
    m_ui->Edit8->setText(Shown(button.ShellRunAction));
    m_ui->Edit9->setText(Shown(button.SoundOver));
    m_ui->Edit10->setText(Shown(button.SoundClick));
    m_ui->Edit11->setText(Shown(button.UnAssExt));
    m_ui->Edit12->setText(Shown(button.OnNotFound));
}

void ButtonEditor::SelectAction(const QString& action)
{
    m_ui->ComboBox1->setCurrentIndex(m_ui->ComboBox1->findText(action, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ButtonEditor::ApplyButtonEdits()
{
    if (m_editorLoading)
        return;
    MenuButton& button = ShownButton();
    button.Left = ReadInteger(m_ui->X);
    button.Top = ReadInteger(m_ui->Y);
    button.Height = ReadInteger(m_ui->Edit2);
    button.Width = ReadInteger(m_ui->Edit3);
    button.Name = BoxText(m_ui->Edit1, MenuButton::NameCapacity);
    button.Params = BoxText(m_ui->Edit4, MenuButton::TextCapacity);
    button.LoadInfo = BoxText(m_ui->Edit7, MenuButton::TextCapacity);
    // A keyword the list does not offer (written by another tool) shows no
    // selection; it is kept rather than replaced by the empty displayed text.
    if (m_ui->ComboBox1->currentIndex() >= 0)
        button.Action = CutToCapacity(CodePage::FromUnicode(m_ui->ComboBox1->currentText()),
                                      MenuButton::ActionCapacity);
    button.ShellRunParams = BoxText(m_ui->Edit5, MenuButton::TextCapacity);
    button.ShellRunPath = BoxText(m_ui->Edit6, MenuButton::TextCapacity);
    button.ShellRunAction = BoxText(m_ui->Edit8, MenuButton::TextCapacity);
    button.SoundOver = BoxText(m_ui->Edit9, MenuButton::TextCapacity);
    button.SoundClick = BoxText(m_ui->Edit10, MenuButton::TextCapacity);
    button.UnAssExt = BoxText(m_ui->Edit11, MenuButton::TextCapacity);
    button.OnNotFound = BoxText(m_ui->Edit12, MenuButton::TextCapacity);
    m_editor.RefreshButtonList();
}

void ButtonEditor::SetShellRunEnable(bool enabled)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui->Edit8, m_ui->Edit5, m_ui->Edit6,
                                                           m_ui->ShellActionLabel, m_ui->ShellParamLabel,
                                                           m_ui->ShellPathLabel})
        widget->setEnabled(enabled);
}

void ButtonEditor::GeometryChange()
{
    // While loading, the apply does nothing and the frame pair would cancel out.
    if (m_editorLoading)
        return;
    const int slot = ShownSlot();
    ToggleFrame(slot);
    // When the apply stops at a bad number, the frame is still drawn again at
    // whatever geometry was stored, so the canvas keeps one frame per button.
    try {
        ApplyButtonEdits();
    } catch (...) {
        ToggleFrame(slot);
        throw;
    }
    ToggleFrame(slot);
}

void ButtonEditor::GeometryExit(TSuperSpinEditI* spin)
{
    if (spin->text().isEmpty())
        spin->setText(QStringLiteral("0"));
}

void ButtonEditor::ActionChange(int index)
{
    if (m_editorLoading)
        return;
    const QByteArray picked = CodePage::FromUnicode(m_ui->ComboBox1->itemText(index));
    if (picked == ButtonAction::OpenUrl)
        PrepareWinExec(QStringLiteral("http://"));
    else if (picked == ButtonAction::SendEmail)
        PrepareWinExec(QStringLiteral("mailto:"));
    SetShellRunEnable(m_ui->ComboBox1->currentText() == QLatin1String(ButtonAction::Run));
    ApplyButtonEdits();
    // A picked action is one step; the address prefix typed after it is the next.
    m_editor.EndGesture();
}

void ButtonEditor::PrepareWinExec(const QString& prefix)
{
    // WINEXEC is selected first so that the applies the two boxes raise never
    // store the pseudo-action; setCurrentIndex raises no further action change.
    m_ui->ComboBox1->setCurrentIndex(m_ui->ComboBox1->findText(QLatin1String(ButtonAction::WinExec)));
    m_ui->Edit8->clear();
    m_ui->Edit4->setText(prefix);
    m_ui->Edit4->setFocus();
}

void ButtonEditor::DeleteButton()
{
    // The same command as the Edit menu's: the question, the frame, the list, one step.
    m_editor.DeleteButtonCommand(this, ShownSlot());
}

void ButtonEditor::ShellPathExit()
{
    const QString path = m_ui->Edit6->text();
    if (path.size() > 1 && path.endsWith(u'\\'))
        m_ui->Edit6->setText(path.chopped(1));
}

bool ButtonEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->Edit6 && event->type() == QEvent::FocusOut
        && LeavesField(*static_cast<QFocusEvent*>(event)))
        Handle(&ButtonEditor::ShellPathExit);
    return QWidget::eventFilter(watched, event);
}

void ButtonEditor::PickFile(const Picker& picker)
{
    const std::optional<QString> name =
        PickProjectFile(m_editor, this, {picker.Title, picker.Filter, picker.StartsInProjectFolder});
    if (name)
        PutName(picker, *name);
}

void ButtonEditor::PutName(const Picker& picker, const QString& storedName)
{
    if (picker.Box == m_ui->Edit4)
        ProposeShellVerb(storedName);
    picker.Box->setText(storedName);
    m_editor.EndGesture();
}

void ButtonEditor::ProposeShellVerb(const QString& relativeName)
{
    if (const std::optional<QString> verb = m_editor.ExtActions().Lookup(relativeName))
        m_ui->Edit8->setText(*verb);
}

void ButtonEditor::FollowSort(const SlotMap& moved)
{
    bool ok = false;
    const int slot = m_ui->Butt->text().toInt(&ok, 10);
    if (ok && slot >= 0 && slot < MenuProject::SlotCount)
        m_ui->Butt->setText(QString::number(moved[slot]));
}

int ButtonEditor::ShownSlot() const
{
    const QString text = m_ui->Butt->text();
    bool ok = false;
    const int slot = text.toInt(&ok, 10);
    if (!ok)
        ThrowNotValidInteger(text);
    if (slot < 0 || slot >= MenuProject::SlotCount)
        throw VyxError(QStringLiteral("There is no button #%1").arg(slot));
    return slot;
}

MenuButton& ButtonEditor::ShownButton() { return m_editor.Project().Buttons[ShownSlot()]; }

void ButtonEditor::ToggleFrame(int slot)
{
    // The canvas frames used buttons only; a deleted button still shown here
    // must not leave frames behind.
    if (m_editor.Project().Buttons[slot].Used)
        m_editor.RedrawButton(slot);
}

