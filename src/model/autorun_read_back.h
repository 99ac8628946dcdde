#pragma once
#include "model/autorun_text.h"

#include <QString>
#include <QStringList>
#include <optional>

// The disc's autorun.inf read back into the wizard's values, so that a second
// visit starts from the disc as it is. A line the values cannot express (it
// starts another program, or holds an option the wizard does not write) is
// kept as it is, and written again while the values that would replace it
// stand as they were read.
struct AutorunReadBack {
    AutorunOptions Options;
    std::optional<QString> KeptOpen; // the open= value, when unreadable
    std::optional<QString> KeptIcon; // the icon= value, when unreadable

    // The open= value for `options`: the kept one while their command line is
    // the one read back, else their own.
    QString CommandLine(const AutorunOptions& options) const;
    // The three lines to write for `options`.
    QStringList Lines(const AutorunOptions& options) const;
};

// CD root + "autorun.inf" over `current`: a line that cannot be read keeps the
// current values it would set; with no icon= line the icon is the player's own.
// Nothing when there is no such file.
std::optional<AutorunReadBack> ReadBackAutorun(const QString& cdRoot, const AutorunOptions& current);
