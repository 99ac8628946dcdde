#pragma once
#include "platform/file_replacer.h"
#include "ui/core/shared_dialogs.h"

// Runs `write(false)`; when it stops at a read-only file, asks whether to
// replace it anyway and, on Yes, runs `write(true)`. False when the user said No.
template <typename Write>
bool WriteAskingAboutReadOnly(SharedDialogs& dialogs, QWidget* parent, Write write)
{
    try {
        write(false);
        return true;
    } catch (const ReadOnlyFileError& e) {
        if (dialogs.Ask(parent, e.Message() + QStringLiteral(". Replace it anyway?"), QStringLiteral("Confirm"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    write(true);
    return true;
}
