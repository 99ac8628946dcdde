#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One row: an upper-case extension with its dot, and the shell verb values.
struct ExtAction {
    QString Extension;
    QStringList Action;
};

// The extension action list of the running editor (never stored in the project).
class ExtActionList : public QObject {
    Q_OBJECT
public:
    ExtActionList();

    const std::vector<ExtAction>& Rows() const { return m_rows; }
    void InsertNewAtTop();
    void Remove(int row);
    void SetExtension(int row, const QString& text);
    void SetActionText(int row, const QString& commaText);
    QString ActionText(int row) const;

    // The verb (comma text) of the last row whose extension matches the file's.
    std::optional<QString> Lookup(const QString& fileName) const;

signals:
    void Changed();

private:
    std::vector<ExtAction> m_rows;
};
