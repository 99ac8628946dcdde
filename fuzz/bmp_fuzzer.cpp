#include "picture_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzPicture(QStringLiteral("picture.bmp"), data, size);
}
