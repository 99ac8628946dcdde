#pragma once
#include <QString>
#include <stdexcept>

// An error the toolkit would raise: it stops the operation under way and its
// message is shown in an error box at the event-handler boundary.
class VyxError : public std::runtime_error {
public:
    explicit VyxError(const QString& message);
    QString Message() const { return m_message; }

private:
    QString m_message;
};

// "'%s' is not a valid integer value"
[[noreturn]] void ThrowNotValidInteger(const QString& text);

// The toolkit's integer conversion of a text (decimal, optional sign); any other
// text throws "'%s' is not a valid integer value".
int StrToInt(const QString& text);
