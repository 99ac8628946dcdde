#pragma once
#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>

class QLineEdit;
class SharedDialogs;

// A file-name field (one with a ".." picker) takes a file dropped from a file
// manager as its picker takes a picked one: `take` gets the local file name and
// does what the picker does with it (the stored-name rule, the field's text).
// Without this the field pastes the drop's raw "file:///..." text. A URL that
// names no local file is refused with a message and nothing changes; so is
// whatever `take` refuses by throwing VyxError.
class FileNameDrop : public QObject {
public:
    using Take = std::function<void(const QString& localFile)>;

    static void Install(QLineEdit* field, SharedDialogs& dialogs, Take take);

    // The local file a drop's first URL names (one name per field); throws
    // VyxError for a URL that is not a local file. Empty when there is no URL.
    static QString LocalFileOf(const QList<QUrl>& urls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileNameDrop(QLineEdit* field, SharedDialogs& dialogs, Take take);

    QLineEdit* m_field;
    SharedDialogs& m_dialogs;
    Take m_take;
};
