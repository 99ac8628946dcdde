#pragma once
#include <QGroupBox>

class Editor;
class QLineEdit;

// "INI File...": the INI file box, choosing, opening and saving the project file.
class IniFileGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit IniFileGroup(Editor& editor, QWidget* parent = nullptr);

    void SetFileName(const QString& name);
    void OpenCommand();
    void SaveCommand();

private:
    Editor& m_editor;
    QLineEdit* m_fileBox;
};
