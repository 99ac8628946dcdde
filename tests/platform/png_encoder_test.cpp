#include "platform/png_encoder.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

QImage NoisePicture(int width, int height)
{
    std::mt19937 random(unsigned(width * 7919 + height));
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    return picture;
}

class PngEncoderSize : public ::testing::TestWithParam<QSize> {};

// Qt's reader (libpng) checks the signature, the CRC of every chunk and the
// zlib stream; every pixel must come back as it went in.
TEST_P(PngEncoderSize, DecodesToTheSamePixels)
{
    const QImage source = NoisePicture(GetParam().width(), GetParam().height());
    const QByteArray png = PngEncoder::Encode(source);
    EXPECT_EQ(png.mid(24, 2), QByteArray("\x08\x02", 2)) << "8-bit RGB";
    const QImage decoded = QImage::fromData(png, "PNG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_FALSE(decoded.hasAlphaChannel());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), source);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngEncoderSize, ::testing::Values(QSize(1, 1), QSize(7, 5), QSize(333, 2), QSize(640, 480)),
                         [](const auto& info) { return QStringLiteral("%1x%2").arg(info.param.width()).arg(info.param.height()).toStdString(); });

} // namespace

TEST(PngEncoder, TheSourceTextReadsBackAndLeavesThePixels)
{
    QTemporaryDir dir;
    const QImage picture = NoisePicture(9, 4);
    for (const QByteArray source : {QByteArray("3f2a"), QByteArray()}) {
        const QString path = dir.filePath("p.png");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PngEncoder::Encode(picture, source));
        file.close();
        EXPECT_EQ(PngEncoder::SourceOf(path), source);
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture);
    }
    EXPECT_TRUE(PngEncoder::SourceOf(dir.filePath("missing.png")).isEmpty());
}
