#include "platform/vyx_error.h"

VyxError::VyxError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

void ThrowNotValidInteger(const QString& text)
{
    throw VyxError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int StrToInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        ThrowNotValidInteger(text);
    return value;
}
