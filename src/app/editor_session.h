#pragma once
#include <QString>
#include <memory>

class AutorunWizard;
class ButtonEditor;
class ButtonListWindow;
class CheckWindow;
class ContextHelp;
class HelpViewer;
class Editor;
class MainWindow;
class PreviewWindow;
class ProgramParamsDialog;
class MaskForm;
class ShapeWindow;
class StatusWindow;

// The editor's windows around the one Editor, created and wired in start-up order.
class EditorSession {
public:
    EditorSession();
    ~EditorSession();

    // Puts the name into the INI file box (absolute) and loads it.
    void Start(const QString& iniArgument);

    Editor& TheEditor() { return *m_editor; }
    MainWindow& Main() { return *m_mainWindow; }
    StatusWindow& Status() { return *m_statusWindow; }
    ButtonEditor& Buttons() { return *m_buttonEditor; }
    ButtonListWindow& List() { return *m_buttonList; }
    ProgramParamsDialog& Params() { return *m_params; }
    HelpViewer& Help() { return *m_help; }
    ShapeWindow& Shape() { return *m_shapeWindow; }
    MaskForm& Mask() { return *m_maskForm; }
    AutorunWizard& Wizard() { return *m_wizard; }
    PreviewWindow& Preview() { return *m_preview; }
    CheckWindow& Check() { return *m_checkWindow; }

private:
    std::unique_ptr<Editor> m_editor;
    std::unique_ptr<StatusWindow> m_statusWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<ButtonEditor> m_buttonEditor;
    std::unique_ptr<ProgramParamsDialog> m_params;
    std::unique_ptr<ButtonListWindow> m_buttonList;
    std::unique_ptr<ShapeWindow> m_shapeWindow;
    std::unique_ptr<MaskForm> m_maskForm;
    std::unique_ptr<HelpViewer> m_help;
    std::unique_ptr<ContextHelp> m_contextHelp;
    std::unique_ptr<AutorunWizard> m_wizard;
    std::unique_ptr<PreviewWindow> m_preview;
    std::unique_ptr<CheckWindow> m_checkWindow;
};
