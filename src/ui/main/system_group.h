#pragma once
#include <QGroupBox>

class Editor;
class QCheckBox;

// "System": the program-wide commands and the check boxes that hold project flags.
class SystemGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit SystemGroup(Editor& editor, QWidget* parent = nullptr);

    // Shows the project's Sort and Use: values.
    void ShowProjectFlags();
    bool ClickEditChecked() const;

signals:
    void CloseRequested();

private:
    void BuildCommands();
    void BuildCheckBoxes();

    Editor& m_editor;
    QCheckBox* m_sort = nullptr;
    QCheckBox* m_useShape = nullptr;
    QCheckBox* m_clickEdit = nullptr;
};
