#include "platform/picture_converter.h"
#include "platform/vyx_error.h"
#include "support/temp_folder.h"

#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// A smooth picture of 91 colours, odd in both sides: every format keeps it
// exactly (GIF too), and JPEG has no edge to smear.
QImage Gradient(bool withAlpha)
{
    QImage picture(13, 7, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, withAlpha && x < 3 ? 0 : qRgb(x * 16, y * 32, 128));
    return picture;
}

// Qt writes no GIF: this one holds every pixel as a literal LZW code of 9 bits,
// with a clear code before the table would need a wider code.
QByteArray Gif(const QImage& picture)
{
    QList<QRgb> palette;
    QByteArray out("GIF89a");
    const auto word = [&out](int value) { out.append(char(value & 0xFF)).append(char(value >> 8)); };
    word(picture.width());
    word(picture.height());
    out.append("\xF7\x00\x00", 3); // a global table of 256 colours
    QByteArray indices;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (!palette.contains(picture.pixel(x, y)))
                palette << picture.pixel(x, y);
            indices.append(char(palette.indexOf(picture.pixel(x, y))));
        }
    for (int i = 0; i < 256; ++i)
        out.append(char(qRed(palette.value(i)))).append(char(qGreen(palette.value(i)))).append(char(qBlue(palette.value(i))));
    out.append(",\0\0\0\0", 5);
    word(picture.width());
    word(picture.height());
    out.append("\0\x08", 2);
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            codes.append(char(bits & 0xFF));
    };
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 250 == 0)
            put(256);
        put(quint8(indices[i]));
    }
    put(257);
    if (count > 0)
        codes.append(char(bits & 0xFF));
    for (qsizetype i = 0; i < codes.size(); i += 255)
        out.append(char(std::min<qsizetype>(255, codes.size() - i))).append(codes.mid(i, 255));
    return out.append("\0;", 2);
}

double Psnr(const QImage& a, const QImage& b)
{
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                squares += d * d;
        }
    const double mse = squares / (3.0 * a.width() * a.height());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// The source over white, as the converter writes it.
QImage OverWhite(const QImage& picture)
{
    QImage flat = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x)
            if (qAlpha(flat.pixel(x, y)) == 0)
                flat.setPixel(x, y, 0xFFFFFFFF);
    return flat.convertToFormat(QImage::Format_RGB32);
}

struct FormatCase {
    const char* format;
    bool alpha;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.format; }

class PictureConverterFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PictureConverterFormat, ReadsItAndWritesBmpExactlyAndJpegClosely)
{
    const FormatCase& c = GetParam();
    TempFolder dir;
    const QImage source = Gradient(c.alpha);
    const QString path = dir.File(QStringLiteral("picture.") + QLatin1String(c.format));
    if (QByteArray(c.format) == "gif") {
        dir.Write("picture.gif", Gif(source));
    } else {
        QImageWriter writer(path, c.format);
        writer.setQuality(100); // WebP without loss
        ASSERT_TRUE(writer.write(source)) << writer.errorString().toStdString();
    }

    const QImage read = PictureConverter::Read(path);
    EXPECT_EQ(read, source.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(PictureConverter::ProposedTarget(path, read), dir.File("picture.bmp")) << "91 colours are few";

    PictureConverter::Write(read, dir.File("picture.bmp"));
    EXPECT_EQ(QImage(dir.File("picture.bmp")).convertToFormat(QImage::Format_RGB32), OverWhite(source));
    PictureConverter::Write(read, dir.File("picture.jpg"));
    const QImage jpeg(dir.File("picture.jpg"));
    ASSERT_EQ(jpeg.size(), source.size());
    EXPECT_GT(Psnr(jpeg, OverWhite(source)), 27.0); // the white edge of the transparent part costs most
    EXPECT_EQ(PictureConverter::ReadOpaque(path), OverWhite(source)) << "what the mask maker scans";
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureConverterFormat,
                         ::testing::Values(FormatCase{"png", true}, FormatCase{"webp", true}, FormatCase{"tiff", true},
                                           FormatCase{"gif", false}),
                         [](const auto& info) { return std::string(info.param.format); });

TEST(PictureConverter, SvgIsDrawnAtTheSizeAsked)
{
    TempFolder dir;
    const QString svg = dir.Write("logo.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
                                              "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>");
    EXPECT_EQ(PictureConverter::Read(svg).size(), QSize(20, 10));
    const QImage menu = PictureConverter::Read(svg, QSize(64, 48));
    ASSERT_EQ(menu.size(), QSize(64, 48));
    EXPECT_EQ(menu.pixel(10, 24), 0xFFFF0000);
    EXPECT_EQ(qAlpha(menu.pixel(50, 24)), 0);
}

TEST(PictureConverter, DamagedFilesAndOtherPicturesInTheWayAreRefused)
{
    TempFolder dir;
    const QString png = dir.File("good.png");
    ASSERT_TRUE(Gradient(false).save(png));
    const QByteArray bytes = dir.Read("good.png");
    const QString cut = dir.Write("cut.png", bytes.left(bytes.size() / 2));
    const QString garbage = dir.Write("garbage.webp", "RIFF....WEBPVP8 garbage");
    for (const QString& damaged : {cut, garbage, dir.File("missing.png")})
        EXPECT_THROW(PictureConverter::Read(damaged), VyxError) << damaged.toStdString();

    const QImage picture = PictureConverter::Read(png);
    dir.Write("good.bmp", "someone else's");
    EXPECT_THROW(PictureConverter::Write(picture, dir.File("good.bmp")), VyxError);
    EXPECT_EQ(dir.Read("good.bmp"), QByteArray("someone else's"));
    PictureConverter::Write(picture, dir.File("good.jpg"));
    EXPECT_NO_THROW(PictureConverter::Write(picture, dir.File("good.jpg"))) << "the same picture is there already";
    EXPECT_THROW(PictureConverter::Write(picture, dir.File("good.gif")), VyxError) << "not a format the player shows";
}

} // namespace
