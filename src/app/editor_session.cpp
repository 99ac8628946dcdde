#include "app/editor_session.h"

#include "platform/file_names.h"
#include "ui/button_editor/button_editor.h"
#include "ui/check/check_window.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/help/context_help.h"
#include "ui/help/help_viewer.h"
#include "ui/main/button_list_window.h"
#include "ui/main/main_window.h"
#include "ui/params/program_params_dialog.h"
#include "ui/preview/preview_window.h"
#include "ui/shape/mask_form.h"
#include "ui/shape/shape_window.h"
#include "ui/status/status_window.h"
#include "ui/wizard/autorun_wizard.h"

#include <QApplication>

EditorSession::EditorSession()
    : m_editor(std::make_unique<Editor>()), m_statusWindow(std::make_unique<StatusWindow>()),
      m_mainWindow(std::make_unique<MainWindow>(*m_editor))
{
    m_editor->SetStatusWindow(m_statusWindow.get());
    m_editor->SetMainWindow(m_mainWindow.get());
}

EditorSession::~EditorSession()
{
    m_editor->DetachWindows();
    if (m_contextHelp)
        qApp->removeEventFilter(m_contextHelp.get());
}

void EditorSession::Start(const QString& iniArgument)
{
    m_editor->SetApplicationTitle(QStringLiteral("Wait, loading..."));
    m_editor->SetIniFileName(AbsoluteName(iniArgument.isEmpty() ? QStringLiteral("launcher.ini") : iniArgument));
    Guarded(m_editor->Dialogs(), m_mainWindow.get(), [this] { m_editor->OpenProject(); });
    // The other windows come after the first load, hidden.
    m_buttonEditor = std::make_unique<ButtonEditor>(*m_editor);
    m_editor->SetButtonEditor(m_buttonEditor.get());
    m_params = std::make_unique<ProgramParamsDialog>(*m_editor);
    m_editor->SetParamsDialog(m_params.get());
    m_buttonList = std::make_unique<ButtonListWindow>(*m_editor);
    m_editor->SetButtonList(m_buttonList.get());
    m_shapeWindow = std::make_unique<ShapeWindow>(*m_editor);
    m_editor->SetShapeWindow(m_shapeWindow.get());
    m_maskForm = std::make_unique<MaskForm>(*m_editor);
    m_editor->SetMaskMaker(m_maskForm.get());
    m_help = std::make_unique<HelpViewer>();
    m_editor->SetHelpViewer(m_help.get());
    m_wizard = std::make_unique<AutorunWizard>(*m_editor, m_mainWindow.get());
    m_editor->SetAutorunWizard(m_wizard.get());
    m_preview = std::make_unique<PreviewWindow>(*m_editor);
    m_editor->SetPreview(m_preview.get());
    m_checkWindow = std::make_unique<CheckWindow>(*m_editor);
    m_editor->SetCheckWindow(m_checkWindow.get());
    m_contextHelp = std::make_unique<ContextHelp>(*m_editor);
    qApp->installEventFilter(m_contextHelp.get());
}
