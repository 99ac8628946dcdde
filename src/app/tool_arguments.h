#pragma once
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
