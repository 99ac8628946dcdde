#pragma once
#include <QValidator>

class QLineEdit;
class QWidget;

// Keeps out of a field every character that the project's code page cannot
// hold: typed, pasted or dropped text with one is not taken, and a tooltip at
// the field names the character and says how to choose another code page.
// Text put in by the program (a load, a picker) is not validated here.
class CodePageGuard : public QValidator {
public:
    explicit CodePageGuard(QLineEdit* field);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_field;
};

// Guards every line edit under `window` that has no validator of its own,
// except those whose "localPath" property is true (a file name of this machine,
// which never goes into the project).
void GuardProjectTexts(QWidget* window);
// Marks a field as holding a local path.
void MarkLocalPath(QLineEdit* field);
