#pragma once
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QStringList>
#include <QTextStream>

// Runs a command's argument parser, which throws VyxError for a wrong call;
// false (with the message on `err`) when it did.
template <typename Request, typename Parser>
bool ParseArguments(Parser parse, const QStringList& args, QTextStream& err, Request& request)
{
    try {
        request = parse(args);
        return true;
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return false;
    }
}

// The one file a command works on is its first operand, made absolute; a
// second is refused ("expected one INI file, got also b.ini").
inline void TakeOperand(QString& operand, const QString& arg, const char* kind)
{
    if (!operand.isEmpty())
        throw VyxError(QStringLiteral("expected one %1, got also %2").arg(QLatin1String(kind), arg));
    operand = AbsoluteName(arg);
}

// A call without the operand: "expected one " + what.
inline void RequireOperand(const QString& operand, const char* what)
{
    if (operand.isEmpty())
        throw VyxError(QStringLiteral("expected one ") + QLatin1String(what));
}
