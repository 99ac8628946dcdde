#include "picture_fuzzer.h"

#include "fuzz_files.h"
#include "platform/picture_loader.h"
#include "platform/vyx_error.h"

#include <cstdio>

int FuzzPicture(const QString& fileName, const uint8_t* data, size_t size)
{
    const QString path = FuzzFiles::Write(fileName, data, size);
    try {
        const QImage picture = PictureLoader::LoadPicture(path);
        if (picture.format() != QImage::Format_RGB32 || picture.isNull() || picture.width() > PictureLoader::MaxSide ||
            picture.height() > PictureLoader::MaxSide) {
            std::fprintf(stderr, "loaded without an error: a %dx%d picture of format %d\n", picture.width(),
                         picture.height(), int(picture.format()));
            __builtin_trap();
        }
    } catch (const VyxError&) {
    }
    return 0;
}
