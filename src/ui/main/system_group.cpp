#include "ui/main/system_group.h"

#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/strip_layout.h"

#include <QCheckBox>
#include <QPushButton>

SystemGroup::SystemGroup(Editor& editor, QWidget* parent)
    : QGroupBox(QStringLiteral("System"), parent), m_editor(editor)
{
    setProperty("helpContext", 250);
    BuildCommands();
    BuildCheckBoxes();
}

void SystemGroup::BuildCommands()
{
    auto command = [this](const QString& name, const QString& caption, const QRect& r, auto handler) {
        QPushButton* button = PlaceButton(this, name, caption, r);
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Guarded(m_editor.Dialogs(), window(), handler); });
        return button;
    };
    // Windows that later work brings; until then they say so by being disabled.
    command(QStringLiteral("MaskButton"), QStringLiteral("MASK"), QRect(6, 16, 44, 18),
            [this] { m_editor.MaskCommand(window()); });
    command(QStringLiteral("ParametersButton"), QStringLiteral("&Parameters"), QRect(52, 16, 64, 18),
            [this] { m_editor.ShowParamsDialog(0); });
    command(QStringLiteral("ListButton"), QStringLiteral("List"), QRect(118, 16, 28, 18),
            [this] { m_editor.ShowButtonList(); });
    command(QStringLiteral("CloseButton"), QStringLiteral("Close"), QRect(148, 16, 36, 18),
            [this] { emit CloseRequested(); });
    command(QStringLiteral("DesignButton"), QStringLiteral("Design"), QRect(50, 37, 44, 18),
            [this] { m_editor.DesignCommand(); })
        ->setProperty("helpContext", 240);
    command(QStringLiteral("HelpButton"), QStringLiteral("Help"), QRect(96, 37, 36, 18),
            [this] { m_editor.ShowHelpTopic(QStringLiteral("Hlp_MainForm_")); });
    command(QStringLiteral("SortButton"), QStringLiteral("Sort"), QRect(134, 37, 50, 18),
            [this] { m_editor.SortButtonsCommand(); })
        ->setProperty("helpContext", 2810);
    // Preview and Check sit in the title row, the one place left free in the strip.
    command(QStringLiteral("PreviewButton"), QStringLiteral("Preview"), QRect(128, 0, 56, 15),
            [this] { m_editor.PreviewCommand(); })
        ->setProperty("helpContext", 9010);
    command(QStringLiteral("CheckButton"), QStringLiteral("Check"), QRect(80, 0, 46, 15),
            [this] { m_editor.CheckCommand(); })
        ->setProperty("helpContext", 9050);
    command(QStringLiteral("StatusButton"), QStringLiteral("status"), QRect(134, 58, 50, 18),
            [this] { m_editor.ToggleStatusWindow(); });
}

void SystemGroup::BuildCheckBoxes()
{
    m_useShape = PlaceCheckBox(this, QStringLiteral("UseShape"), QStringLiteral("Use:"), QRect(6, 37, 44, 18));
    connect(m_useShape, &QCheckBox::clicked, this, [this](bool checked) {
        MainParams& main = m_editor.Project().Main;
        main.UseCustomShape = checked;
        if (checked)
            main.HideBorder = true;
        m_editor.EndGesture();
    });
    m_sort = PlaceCheckBox(this, QStringLiteral("SortCheck"), QStringLiteral("Sort"), QRect(6, 58, 50, 18));
    m_sort->setChecked(true);
    connect(m_sort, &QCheckBox::clicked, this, [this](bool checked) {
        m_editor.Project().Main.ReSort = checked;
        m_editor.EndGesture();
    });
    m_clickEdit = PlaceCheckBox(this, QStringLiteral("CheckBox1"), QStringLiteral("ClickEdit"), QRect(58, 58, 74, 18));
    m_clickEdit->setChecked(true);
}

void SystemGroup::ShowProjectFlags()
{
    m_sort->setChecked(m_editor.Project().Main.ReSort);
    m_useShape->setChecked(m_editor.Project().Main.UseCustomShape);
}

bool SystemGroup::ClickEditChecked() const { return m_clickEdit->isChecked(); }
