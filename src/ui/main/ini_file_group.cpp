#include "ui/main/ini_file_group.h"

#include "ui/controls/file_name_drop.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/strip_layout.h"

#include <QLineEdit>
#include <QPushButton>

IniFileGroup::IniFileGroup(Editor& editor, QWidget* parent)
    : QGroupBox(QStringLiteral("INI File..."), parent), m_editor(editor)
{
    setProperty("helpContext", 230);
    m_fileBox = PlaceLineEdit(this, QStringLiteral("IniFile"), QRect(6, 18, 112, 20));
    connect(m_fileBox, &QLineEdit::textEdited, this, [this](const QString& text) { m_editor.SetIniFileName(text); });
    FileNameDrop::Install(m_fileBox, m_editor.Dialogs(), [this](const QString& file) { m_editor.TakeIniFile(file); });
    auto* browse = PlaceButton(this, QStringLiteral("BrowseButton"), QStringLiteral(".."), QRect(120, 18, 20, 20));
    connect(browse, &QPushButton::clicked, this, [this] { Guarded(m_editor.Dialogs(), this, [this] { m_editor.ChooseIniFile(window()); }); });
    auto* open = PlaceButton(this, QStringLiteral("OpenButton"), QStringLiteral("&Open"), QRect(6, 40, 66, 18));
    connect(open, &QPushButton::clicked, this, &IniFileGroup::OpenCommand);
    auto* save = PlaceButton(this, QStringLiteral("SaveButton"), QStringLiteral("&Save"), QRect(74, 40, 66, 18));
    connect(save, &QPushButton::clicked, this, &IniFileGroup::SaveCommand);
    auto* wizard = PlaceButton(this, QStringLiteral("WizardButton"), QStringLiteral("Autorun.inf wizard"),
                               QRect(6, 59, 134, 18));
    connect(wizard, &QPushButton::clicked, this, [this] { m_editor.OpenAutorunWizard(); });
}

void IniFileGroup::SetFileName(const QString& name)
{
    if (m_fileBox->text() != name)
        m_fileBox->setText(name);
}

void IniFileGroup::OpenCommand() { m_editor.OpenCommand(window()); }

void IniFileGroup::SaveCommand() { m_editor.SaveWithReport(window()); }
