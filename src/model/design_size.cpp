#include "model/design_size.h"

#include "platform/picture_loader.h"

#include <algorithm>

QSize BoundedDesignSize(int32_t sizeX, int32_t sizeY)
{
    const int width = std::clamp<int32_t>(sizeX, 1, PictureLoader::MaxSide);
    int height = std::clamp<int32_t>(sizeY, 1, PictureLoader::MaxSide);
    height = int(std::min<qint64>(height, PictureLoader::MaxPixels / width));
    return {width, height};
}
