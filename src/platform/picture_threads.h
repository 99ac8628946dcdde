#pragma once
#include <QImage>
#include <QString>

#include <future>

// Pictures decoded on threads that outlive a load: starting a thread costs up
// to milliseconds on a virtual machine, as much as decoding a picture.
namespace PictureThreads {

// PictureLoader::LoadPicture(localPath) on a thread of the pool; the future
// holds the picture or the VyxError the load threw. Dropping the future
// leaves the decode to finish on its own.
std::future<QImage> LoadPicture(const QString& localPath);

} // namespace PictureThreads
