#pragma once
#include <QList>
#include <QString>

// One thing the project check found, with where it comes from: the INI section
// and key (a button's slot is its section's number), or, for a file on the
// disc that the project does not name, an empty section and the file's path.
struct CheckFinding {
    enum class Severity { Error, Warning };

    Severity Level = Severity::Error;
    QString Section;
    QString Key;
    QString Message;

    bool IsError() const { return Level == Severity::Error; }
    // "error" or "warning".
    QString LevelText() const { return IsError() ? QStringLiteral("error") : QStringLiteral("warning"); }
    // The button slot the finding belongs to, or -1.
    int Slot() const;
    // "[Section] Key", or only the key (a file's path) when there is no section.
    QString Where() const;
    // "error [Section] Key: message" on one line: a line break or other control
    // character (a file name may hold one) is shown escaped, as \n or \xNN.
    QString Line() const;
    bool operator==(const CheckFinding&) const = default;
};

using CheckFindings = QList<CheckFinding>;

bool HasError(const CheckFindings& findings);
// "2 errors, 1 warning", "1 error", "3 warnings" or "No problems found".
QString CheckSummary(const CheckFindings& findings);
