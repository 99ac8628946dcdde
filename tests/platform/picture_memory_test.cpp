#include "platform/picture_loader.h"
#include "platform/picture_memory.h"
#include "support/temp_folder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Layout {
    int width;
    int height;
    QImage::Format format;
};

class PictureMemoryTest : public ::testing::TestWithParam<Layout> {};

// Below and above the size that gets a mapping of its own, with odd widths
// whose rows Qt pads to whole words.
INSTANTIATE_TEST_SUITE_P(Layouts, PictureMemoryTest,
                         ::testing::Values(Layout{10, 7, QImage::Format_RGB32}, Layout{1024, 768, QImage::Format_RGB32},
                                           Layout{1001, 1203, QImage::Format_Indexed8},
                                           Layout{1023, 513, QImage::Format_RGB888}));

// The loaders hand these pictures to code that expects Qt's own: the same rows,
// writable, and copied on write so that a kept step of the history never changes.
// The second round gets the memory the first let go.
TEST_P(PictureMemoryTest, APictureIsLaidOutAsQtsOwnAndCopiedOnWrite)
{
    const Layout layout = GetParam();
    const QImage own(layout.width, layout.height, layout.format);
    for (int round = 0; round < 2; ++round) {
        QImage picture = PictureMemory::NewPicture(own.size(), layout.format);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.format(), own.format());
        EXPECT_EQ(picture.bytesPerLine(), own.bytesPerLine());
        EXPECT_EQ(picture.sizeInBytes(), own.sizeInBytes());

        picture.fill(0);
        picture.bits()[picture.sizeInBytes() - 1] = 0x5a; // the last byte is inside the memory
        const QImage kept = picture;
        picture.bits()[0] = 0x11;
        EXPECT_EQ(kept.constBits()[0], 0) << "round " << round;
        EXPECT_EQ(kept.constBits()[kept.sizeInBytes() - 1], 0x5a);
        EXPECT_EQ(picture.constBits()[picture.sizeInBytes() - 1], 0x5a);
    }
}

// Qt's reader fills the picture it is given in place when its size and format fit.
TEST(PictureMemoryLoading, ALargePalettedBmpReadsAsQtReadsIt)
{
    TempFolder folder;
    QImage source(1201, 1003, QImage::Format_Indexed8);
    source.setColorTable({qRgb(0, 0, 0), qRgb(200, 10, 30), qRgb(5, 250, 90)});
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, uint((x * 7 + y * 3) % 3));
    const QString path = folder.File("big.bmp");
    ASSERT_TRUE(source.save(path, "BMP"));

    const QImage loaded = PictureLoader::LoadPicture(path);
    EXPECT_EQ(loaded, QImage(path).convertToFormat(QImage::Format_RGB32));
}

} // namespace
