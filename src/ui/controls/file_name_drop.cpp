#include "ui/controls/file_name_drop.h"

#include "platform/vyx_error.h"
#include "ui/core/event_guard.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

FileNameDrop::FileNameDrop(QLineEdit* field, SharedDialogs& dialogs, Take take)
    : QObject(field), m_field(field), m_dialogs(dialogs), m_take(std::move(take))
{
    field->setAcceptDrops(true);
    field->installEventFilter(this);
}

void FileNameDrop::Install(QLineEdit* field, SharedDialogs& dialogs, Take take)
{
    new FileNameDrop(field, dialogs, std::move(take));
}

QString FileNameDrop::LocalFileOf(const QList<QUrl>& urls)
{
    if (urls.isEmpty())
        return {};
    const QUrl& url = urls.front();
    if (!url.isLocalFile())
        throw VyxError(QStringLiteral("%1 is not a file on this computer. Only local files can be used.")
                           .arg(url.toDisplayString()));
    return url.toLocalFile();
}

bool FileNameDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != m_field || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    // Plain text is the field's own to paste; only file URLs are names.
    if (!drop->mimeData()->hasUrls())
        return false;
    drop->acceptProposedAction();
    if (type != QEvent::Drop)
        return true;
    // Taken once the drop has returned: a question it asks (a conversion, a
    // missing picture) must not keep the file manager's drag waiting.
    QMetaObject::invokeMethod(
        this,
        [this, urls = drop->mimeData()->urls()] {
            Guarded(m_dialogs, m_field, [&] {
                const QString file = LocalFileOf(urls);
                if (!file.isEmpty())
                    m_take(file);
            });
        },
        Qt::QueuedConnection);
    return true;
}
