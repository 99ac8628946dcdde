#include "platform/picture_threads.h"

#include "platform/picture_loader.h"

#include <QThreadPool>

#include <memory>

namespace PictureThreads {
namespace {

// Two threads, one a core: the loading thread decodes a picture as well.
QThreadPool& Pool()
{
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(2);
        pool.setExpiryTimeout(-1); // kept for the next load
        return true;
    }();
    Q_UNUSED(configured);
    return pool;
}

} // namespace

std::future<QImage> LoadPicture(const QString& localPath)
{
    auto task = std::make_shared<std::packaged_task<QImage()>>(
        [localPath] { return PictureLoader::LoadPicture(localPath); });
    std::future<QImage> result = task->get_future();
    Pool().start([task] { (*task)(); });
    return result;
}

} // namespace PictureThreads
