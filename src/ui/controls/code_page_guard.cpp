#include "ui/controls/code_page_guard.h"

#include "platform/code_page.h"
#include "ui/controls/message_beep.h"

#include <QLineEdit>
#include <QToolTip>

namespace {

const char* const LocalPathProperty = "localPath";

} // namespace

CodePageGuard::CodePageGuard(QLineEdit* field) : QValidator(field), m_field(field) {}

QValidator::State CodePageGuard::validate(QString& input, int&) const
{
    const std::optional<QString> refused = CodePage::FirstUnencodable(input);
    if (!refused)
        return Acceptable;
    MessageBeep();
    QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), CodePage::RefusalMessage(*refused), m_field);
    return Invalid;
}

void GuardProjectTexts(QWidget* window)
{
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (!field->validator() && !field->property(LocalPathProperty).toBool())
            field->setValidator(new CodePageGuard(field));
    }
}

void MarkLocalPath(QLineEdit* field) { field->setProperty(LocalPathProperty, true); }
