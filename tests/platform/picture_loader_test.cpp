#include "platform/jpeg_test_writer.h"
#include "platform/picture_loader.h"
#include "platform/vyx_error.h"
#include "support/temp_folder.h"
#include "support/test_bmp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>

using PictureLoader::LoadPicture;

namespace {

QString TestData(const QString& relative) { return QStringLiteral(VYX_TESTDATA "/") + relative; }

QStringList FilesIn(const QString& folder, const QString& pattern)
{
    const QDir dir(TestData(folder));
    QStringList paths;
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The message of the VyxError a load throws, or nothing when it loads.
std::optional<QString> LoadError(const QString& path)
{
    try {
        LoadPicture(path);
    } catch (const VyxError& error) {
        return error.Message();
    }
    return std::nullopt;
}

int ChannelDifference(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// Largest difference of one colour channel over all pixels; -1 when the sizes differ.
int MaxChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            worst = std::max(worst, ChannelDifference(x.pixel(col, row), y.pixel(col, row)));
    return worst;
}

// A 24-bit bottom-up BMP; with `withPixels` false only the headers are written.
QByteArray Bmp24(int width, int height, QRgb colour, bool withPixels = true)
{
    const int stride = (width * 3 + 3) & ~3;
    const qint64 dataSize = qint64(stride) * height;
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(54 + dataSize));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(24), bytes.data() + 28);
    if (withPixels) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(colour));
            row[3 * x + 1] = char(qGreen(colour));
            row[3 * x + 2] = char(qRed(colour));
        }
        for (int y = 0; y < height; ++y)
            bytes += row;
    }
    return bytes;
}

// Leaves freed heap memory full of one value, where the next picture of the
// same size is likely to be placed: pixels nobody wrote then show it.
void DirtyTheHeap(int width, int height)
{
    for (int i = 0; i < 4; ++i) {
        QImage garbage(width, height, QImage::Format_RGB32);
        garbage.fill(0xFF12AB34);
    }
}

void ExpectRgb(QRgb actual, int r, int g, int b, int tolerance, const char* what)
{
    EXPECT_NEAR(qRed(actual), r, tolerance) << what;
    EXPECT_NEAR(qGreen(actual), g, tolerance) << what;
    EXPECT_NEAR(qBlue(actual), b, tolerance) << what;
}

} // namespace

TEST(PictureLoaderTestData, EveryGoodBmpDecodesToRgb32)
{
    const QStringList files = FilesIn(QStringLiteral("bmp/g"), QStringLiteral("*.bmp"));
    ASSERT_FALSE(files.isEmpty());
    for (const QString& path : files) {
        try {
            const QImage image = LoadPicture(path);
            EXPECT_EQ(image.format(), QImage::Format_RGB32) << path.toStdString();
            EXPECT_FALSE(image.isNull()) << path.toStdString();
        } catch (const VyxError& error) {
            ADD_FAILURE() << path.toStdString() << ": " << error.what();
        }
    }
}

// Damaged files either decode or give a message naming the file; a declared
// size of 3,000,000 x 2,000,000 is refused from the header.
TEST(PictureLoaderTestData, BrokenBmpsDecodeOrExplain)
{
    const QStringList files = FilesIn(QStringLiteral("bmp/b"), QStringLiteral("*.bmp"));
    ASSERT_FALSE(files.isEmpty());
    int refused = 0;
    for (const QString& path : files) {
        const std::optional<QString> error = LoadError(path);
        if (!error)
            continue;
        ++refused;
        EXPECT_TRUE(error->contains(QFileInfo(path).fileName())) << error->toStdString();
    }
    EXPECT_GT(refused, 0);
    const std::optional<QString> huge = LoadError(TestData(QStringLiteral("bmp/b/reallybig.bmp")));
    ASSERT_TRUE(huge);
    EXPECT_TRUE(huge->startsWith(QStringLiteral("Picture too large: 3000000 x 2000000 pixels"))) << huge->toStdString();
}

// Files outside what the installed decoder supports (12-bit samples,
// arithmetic coding, junk before the header) may be refused, with a message.
TEST(PictureLoaderTestData, JpegFilesDecodeOrExplain)
{
    const QStringList mustDecode = {"hopper.jpg",   "hopper_gray.jpg",    "pil_sample_cmyk.jpg",
                                    "testorig.jpg", "testimgint.jpg",     "truncated_jpeg.jpg"};
    const QStringList files = FilesIn(QStringLiteral("jpeg"), QStringLiteral("*.jpg"));
    ASSERT_EQ(files.size(), 9);
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        const std::optional<QString> error = LoadError(path);
        if (mustDecode.contains(name)) {
            EXPECT_FALSE(error) << error->toStdString();
        } else if (error) {
            EXPECT_TRUE(error->startsWith(QStringLiteral("JPEG error: "))) << error->toStdString();
            EXPECT_TRUE(error->endsWith(name + QLatin1Char(')'))) << error->toStdString();
        }
    }
}

TEST(PictureLoaderTestData, BmpPixelsMatchReferenceRenderings)
{
    int compared = 0;
    for (const QString& png : FilesIn(QStringLiteral("bmp/reference"), QStringLiteral("*.png"))) {
        const QString bmp = TestData(QStringLiteral("bmp/g/") + QFileInfo(png).completeBaseName() + ".bmp");
        if (!QFileInfo::exists(bmp))
            continue;
        ++compared;
        const QImage reference(png);
        ASSERT_FALSE(reference.isNull()) << png.toStdString();
        const int difference = MaxChannelDifference(LoadPicture(bmp), reference);
        EXPECT_GE(difference, 0) << bmp.toStdString() << ": sizes differ";
        EXPECT_LE(difference, 1) << bmp.toStdString();
    }
    EXPECT_GE(compared, 10);
}

// The reference comes from a decoder that upsamples colour differently from
// libjpeg-turbo (both with the slow integer DCT): brightness agrees within 2,
// each channel within 3, and almost every pixel within 1.
TEST(PictureLoaderTestData, JpegPixelsMatchLibjpegReference)
{
    const QImage reference(TestData(QStringLiteral("jpeg/testorig.ppm")));
    ASSERT_FALSE(reference.isNull());
    const QImage decoded = LoadPicture(TestData(QStringLiteral("jpeg/testorig.jpg")));
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    const int difference = MaxChannelDifference(decoded, reference);
    EXPECT_GE(difference, 0) << "sizes differ";
    EXPECT_LE(difference, 3);
    int closePixels = 0;
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb ours = decoded.pixel(x, y);
            const QRgb theirs = reference.pixel(x, y);
            EXPECT_LE(std::abs(qGray(ours) - qGray(theirs)), 2) << x << "," << y;
            closePixels += ChannelDifference(ours, theirs) <= 1;
        }
    EXPECT_GT(closePixels, decoded.width() * decoded.height() * 85 / 100);
}

TEST(PictureLoaderTestData, GreyJpegIsGreyRgbCloseToColourOriginal)
{
    const QImage grey = LoadPicture(TestData(QStringLiteral("jpeg/hopper_gray.jpg")));
    const QImage colour = LoadPicture(TestData(QStringLiteral("jpeg/hopper.jpg")));
    ASSERT_EQ(grey.size(), colour.size());
    qint64 lumaError = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb g = grey.pixel(x, y);
            ASSERT_TRUE(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g)) << x << "," << y;
            lumaError += std::abs(qRed(g) - qGray(colour.pixel(x, y)));
        }
    EXPECT_LT(lumaError / (grey.width() * grey.height()), 8);
}

// The sample is red lettering on black: a wrong inversion would give a light
// picture with cyan letters.
TEST(PictureLoaderTestData, AdobeCmykSampleIsRedOnBlack)
{
    const QImage cmyk = LoadPicture(TestData(QStringLiteral("jpeg/pil_sample_cmyk.jpg")));
    ASSERT_EQ(cmyk.format(), QImage::Format_RGB32);
    int red = 0;
    int black = 0;
    for (int y = 0; y < cmyk.height(); ++y)
        for (int x = 0; x < cmyk.width(); ++x) {
            const QRgb p = cmyk.pixel(x, y);
            ASSERT_LT(std::max(qGreen(p), qBlue(p)), 80) << x << "," << y;
            red += qRed(p) > 200;
            black += qRed(p) < 40;
        }
    const int pixels = cmyk.width() * cmyk.height();
    EXPECT_GT(red, pixels / 20);
    EXPECT_GT(black, pixels / 2);
}

TEST(PictureLoaderJpegColour, CmykStripesBecomeTheirRgbColours)
{
    // Inks as amounts (255 = full): cyan, magenta, yellow, black, 50 % black, paper.
    const QList<int> inks = {255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 128, 0, 0, 0, 0};
    const QList<QRgb> expected = {qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 0),
                                  qRgb(0, 0, 0),     qRgb(127, 127, 127), qRgb(255, 255, 255)};
    QList<int> inverted;
    for (int ink : inks)
        inverted << 255 - ink;
    TempFolder temp;
    JpegTestWriter adobe(JCS_CMYK, 4, inverted);
    JpegTestWriter plain(JCS_CMYK, 4, inks);
    plain.SetAdobeMarker(false);
    const QImage fromAdobe = LoadPicture(temp.Write("adobe.jpg", adobe.Encode(16, 16)));
    const QImage fromPlain = LoadPicture(temp.Write("plain.jpg", plain.Encode(16, 16)));
    ASSERT_EQ(fromAdobe.size(), QSize(96, 16));
    for (int stripe = 0; stripe < expected.size(); ++stripe) {
        const QRgb want = expected[stripe];
        ExpectRgb(fromAdobe.pixel(stripe * 16 + 8, 8), qRed(want), qGreen(want), qBlue(want), 3, "Adobe CMYK");
        ExpectRgb(fromPlain.pixel(stripe * 16 + 8, 8), qRed(want), qGreen(want), qBlue(want), 3, "plain CMYK");
    }
}

TEST(PictureLoaderNames, ExtensionChoosesDecoderInAnyLetterCase)
{
    TempFolder temp;
    const QImage jpeg = LoadPicture(TestData(QStringLiteral("jpeg/testorig.jpg")));
    const QByteArray jpegBytes = ReadBytes(TestData(QStringLiteral("jpeg/testorig.jpg")));
    for (const char* name : {"pic.JpEg", "pic.jpeg", "PIC.JPG", "pic.bmp.jpg"})
        EXPECT_EQ(MaxChannelDifference(LoadPicture(temp.Write(name, jpegBytes)), jpeg), 0) << name;
    const QImage bmp = LoadPicture(temp.Write("pic.BmP", Bmp24(5, 3, qRgb(10, 20, 30))));
    EXPECT_EQ(bmp.size(), QSize(5, 3));
    EXPECT_EQ(bmp.pixel(4, 2), qRgb(10, 20, 30));
}

TEST(PictureLoaderNames, UnknownExtensionIsNamedAsWritten)
{
    EXPECT_EQ(LoadError("/nowhere/pic.gif"), QStringLiteral("Unknown picture file extension (.gif)"));
    EXPECT_EQ(LoadError("/nowhere/pic.Png"), QStringLiteral("Unknown picture file extension (.Png)"));
    EXPECT_EQ(LoadError("/nowhere/pic.jpg.txt"), QStringLiteral("Unknown picture file extension (.txt)"));
    EXPECT_EQ(LoadError("/nowhere.jpg/picture"), QStringLiteral("Unknown picture file extension (.)"));
}

TEST(PictureLoaderNames, MissingOrUnreadableFileIsExplained)
{
    TempFolder temp;
    for (const char* name : {"absent.jpg", "absent.bmp"}) {
        const std::optional<QString> error = LoadError(temp.File(name));
        ASSERT_TRUE(error) << name;
        EXPECT_TRUE(error->contains(QStringLiteral("not found"))) << error->toStdString();
        EXPECT_TRUE(error->contains(QDir::toNativeSeparators(temp.File(name)))) << error->toStdString();
    }
    ASSERT_TRUE(QDir(temp.Path()).mkdir("folder.jpg"));
    const std::optional<QString> folder = LoadError(temp.File("folder.jpg"));
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->contains(QStringLiteral("folder"))) << folder->toStdString();
}

// The size comes from the header alone: these files hold no pixel data for
// such sizes, so a refusal proves nothing large was allocated first.
TEST(PictureLoaderLimits, OversizePicturesAreRefusedFromTheirHeader)
{
    TempFolder temp;
    const QByteArray tinyJpeg = JpegTestWriter(JCS_RGB, 3, {1, 2, 3}).Encode(8, 8);
    const QList<QString> files = {
        temp.Write("wide.bmp", Bmp24(20000, 10, 0, false)),
        temp.Write("square.bmp", Bmp24(12000, 12000, 0, false)),
        temp.Write("tall.jpg", JpegTestWriter::WithDeclaredSize(tinyJpeg, 10, 20000)),
        temp.Write("square.jpg", JpegTestWriter::WithDeclaredSize(tinyJpeg, 12000, 12000)),
    };
    for (const QString& path : files) {
        const std::optional<QString> error = LoadError(path);
        ASSERT_TRUE(error) << path.toStdString();
        EXPECT_TRUE(error->startsWith(QStringLiteral("Picture too large: "))) << error->toStdString();
    }
}

// Tiny files that declare huge sizes: the three pictures share one pixel budget,
// and libjpeg-turbo's working memory (a progressive file keeps all its
// coefficients) is bounded, so none of them takes gigabytes.
TEST(PictureLoaderLimits, TinyFilesDeclaringHugeSizesAreRefusedWithAClearMessage)
{
    TempFolder temp;
    JpegTestWriter cmyk(JCS_CMYK, 4, {1, 2, 3, 4});
    cmyk.SetProgressive(true);
    const QString progressive = temp.Write("progressive.jpg", JpegTestWriter::WithDeclaredSize(cmyk.Encode(8, 8), 5000, 5000));
    EXPECT_LT(QFileInfo(progressive).size(), 2000);
    const std::optional<QString> jpegError = LoadError(progressive);
    ASSERT_TRUE(jpegError);
    EXPECT_EQ(*jpegError, QStringLiteral("JPEG error: decoding this 5000 x 5000 picture needs more than 128 MiB of "
                                         "working memory (%1)").arg(progressive));

    const QString bmp16 = temp.Write("rgb16.bmp", BmpWithData(6000, 6000, 16, QByteArray(76, '\0')));
    EXPECT_EQ(QFileInfo(bmp16).size(), 130);
    const std::optional<QString> alone = LoadError(bmp16);
    ASSERT_TRUE(alone);
    EXPECT_TRUE(alone->startsWith(QStringLiteral("Picture too large: 6000 x 6000 pixels; at most 16384 pixels on a "
                                                 "side and 32000000 pixels in all"))) << alone->toStdString();
    try {
        LoadPicture(temp.Write("small.bmp", BmpWithData(100, 100, 16, QByteArray(20000, '\0'))), 9999);
        ADD_FAILURE() << "the budget left by the other pictures applies";
    } catch (const VyxError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Picture too large: 100 x 100 pixels; the three pictures "
                                                          "together may have at most 32000000 pixels, and 9999 "
                                                          "are left for this one")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(LoadPicture(temp.File("small.bmp"), 10000).size(), QSize(100, 100));
}

// Each scan of a progressive file passes over the whole picture: repeated scan
// headers are refused by their count, not decoded for minutes. A file with a
// normal progression decodes.
TEST(PictureLoaderLimits, ProgressiveFileWithThousandsOfScansIsRefused)
{
    TempFolder temp;
    JpegTestWriter grey(JCS_GRAYSCALE, 1, {40, 200});
    grey.SetProgressive(true);
    const QByteArray normal = grey.Encode(64, 64);
    EXPECT_EQ(LoadPicture(temp.Write("normal.jpg", normal)).pixel(100, 10), qRgb(200, 200, 200));

    const QString hostile = temp.Write("scans.jpg", JpegTestWriter::WithRepeatedLastScan(normal, 2000));
    const std::optional<QString> error = LoadError(hostile);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(QStringLiteral("JPEG error: the file has more scans than any encoder writes (500 at most")))
        << error->toStdString();
}

// Qt's reader makes a 4 x 17920 picture of this 61-byte file, whose header
// size field (6) fits no BMP header: the size limits must not depend on
// reading the header ourselves.
TEST(PictureLoaderLimits, AHeaderTooShortToReadIsRefused)
{
    TempFolder temp;
    const QByteArray odd = QByteArray::fromHex("424dea0000008a0000007c000000060000000400004601002000030000006000"
                                               "00000000000000000000000000000042007a1120000042087a11121212");
    ASSERT_EQ(odd.size(), 61);
    const QString cut = temp.Write("cut.bmp", Bmp24(40, 30, 0).first(20));
    for (const QString& path : {temp.Write("odd.bmp", odd), cut}) {
        const std::optional<QString> error = LoadError(path);
        ASSERT_TRUE(error) << path.toStdString();
        EXPECT_EQ(*error, QStringLiteral("BMP error: the file header is too short or damaged to read the picture's "
                                         "size (%1)").arg(path));
    }
}

TEST(PictureLoaderLimits, LargestSideStillLoads)
{
    TempFolder temp;
    const QImage bmp = LoadPicture(temp.Write("line.bmp", Bmp24(PictureLoader::MaxSide, 1, qRgb(9, 8, 7))));
    EXPECT_EQ(bmp.size(), QSize(PictureLoader::MaxSide, 1));
    const QImage jpeg = LoadPicture(temp.Write("line.jpg", JpegTestWriter(JCS_GRAYSCALE, 1, {90}).Encode(PictureLoader::MaxSide, 8)));
    EXPECT_EQ(jpeg.size(), QSize(PictureLoader::MaxSide, 8));
}

// Rows a damaged BMP does not hold get a defined colour, never what the
// allocator left in the picture's memory.
TEST(PictureLoaderDamage, PixelsADamagedBmpDoesNotHoldAreGrey)
{
    TempFolder temp;
    const int w = 64, h = 64;
    QByteArray rows24; // the file's first rows are the picture's bottom rows
    for (int i = 0; i < w * 3 * 10; ++i)
        rows24 += char(0x40);
    QByteArray rows16;
    for (int i = 0; i < w * 10; ++i)
        rows16 += QByteArray("\x00\x7C", 2); // pure red in 5-5-5
    const QList<std::pair<QString, int>> files = {{temp.Write("cut24.bmp", BmpWithData(w, h, 24, rows24)), 10},
                                                  {temp.Write("cut16.bmp", BmpWithData(w, h, 16, rows16)), 10}};
    for (const auto& [path, heldRows] : files) {
        DirtyTheHeap(w, h);
        const QImage image = LoadPicture(path);
        ASSERT_EQ(image.size(), QSize(w, h)) << path.toStdString();
        for (int y = 0; y < h - heldRows; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_LE(ChannelDifference(image.pixel(x, y), PictureLoader::MissingPixel), 4)
                    << path.toStdString() << " " << x << "," << y; // 16-bit channels are widened afterwards
        EXPECT_NE(image.pixel(0, h - 1), PictureLoader::MissingPixel) << "the rows the file holds are read";
    }
}

TEST(PictureLoaderDamage, AnRleBmpEndingEarlyLeavesTheFirstPaletteColour)
{
    TempFolder temp;
    const int w = 64, h = 64;
    QByteArray palette;
    for (int i = 0; i < 256; ++i)
        palette += QByteArray(1, char(i == 0 ? 0x11 : 0)) + QByteArray(1, char(i == 0 ? 0x22 : i)) +
                   QByteArray(1, char(i == 0 ? 0x33 : 0)) + QByteArray(1, '\0');
    const QByteArray runs("\x10\x07\x08\x07", 4); // 24 pixels of index 7, then the file ends
    DirtyTheHeap(w, h);
    const QImage image = LoadPicture(temp.Write("shortrle.bmp", BmpWithData(w, h, 8, runs, 1, palette)));
    ASSERT_EQ(image.size(), QSize(w, h));
    EXPECT_EQ(image.pixel(0, h - 1), qRgb(0, 7, 0));
    EXPECT_EQ(image.pixel(23, h - 1), qRgb(0, 7, 0));
    for (int y = 0; y < h; ++y)
        for (int x = y == h - 1 ? 24 : 0; x < w; ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(0x33, 0x22, 0x11)) << x << "," << y;
}

TEST(PictureLoaderDamage, GarbledJpegGivesTheDecodersMessage)
{
    TempFolder temp;
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        QByteArray bytes("\xFF\xD8", 2);
        for (int i = 0; i < 4000; ++i)
            bytes += char(random() & 0xFF);
        const std::optional<QString> error = LoadError(temp.Write("garbled.jpg", bytes));
        ASSERT_TRUE(error) << "seed " << seed;
        EXPECT_TRUE(error->startsWith(QStringLiteral("JPEG error: "))) << error->toStdString();
        EXPECT_FALSE(error->startsWith(QStringLiteral("JPEG error:  ("))) << "no library message";
    }
}

// libjpeg only warns about a file cut inside its image data and fills the
// rest grey; the picture is accepted, as the player shows it.
TEST(PictureLoaderDamage, JpegCutInsideImageDataDecodesWithGreyRest)
{
    TempFolder temp;
    const QString original = TestData(QStringLiteral("jpeg/testorig.jpg"));
    const QByteArray bytes = ReadBytes(original);
    const QImage full = LoadPicture(original);
    const QImage cut = LoadPicture(temp.Write("cut.jpg", bytes.left(bytes.size() / 2)));
    ASSERT_EQ(cut.size(), full.size());
    EXPECT_LE(MaxChannelDifference(cut.copy(0, 0, cut.width(), 16), full.copy(0, 0, full.width(), 16)), 1);
    const int last = cut.height() - 1;
    for (int x = 0; x < cut.width(); x += 10)
        ExpectRgb(cut.pixel(x, last), 128, 128, 128, 2, "grey fill");
}

TEST(PictureLoaderDamage, JpegWithoutImageDataFails)
{
    TempFolder temp;
    const QByteArray bytes = ReadBytes(TestData(QStringLiteral("jpeg/testorig.jpg")));
    const qsizetype scanStart = bytes.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scanStart, 0);
    const QList<QByteArray> cases = {QByteArray(), QByteArray("\xFF\xD8", 2), QByteArray("\xFF\xD8\xFF\xD9", 4),
                                     bytes.left(scanStart), bytes.left(scanStart) + QByteArray("\xFF\xD9", 2)};
    for (const QByteArray& data : cases) {
        const std::optional<QString> error = LoadError(temp.Write("empty.jpg", data));
        ASSERT_TRUE(error) << data.size() << " bytes";
        EXPECT_TRUE(error->startsWith(QStringLiteral("JPEG error: "))) << error->toStdString();
    }
}

// Every cut and every flipped byte must end in a picture or a VyxError, never a crash.
TEST(PictureLoaderDamage, AnyCutOrFlippedByteEndsCleanly)
{
    TempFolder temp;
    const QList<QByteArray> originals = {ReadBytes(TestData(QStringLiteral("jpeg/hopper.jpg"))),
                                         ReadBytes(TestData(QStringLiteral("jpeg/truncated_jpeg.jpg")))};
    const QByteArray bmp = ReadBytes(TestData(QStringLiteral("bmp/g/pal8rle.bmp")));
    for (const QByteArray& bytes : originals) {
        ASSERT_FALSE(bytes.isEmpty());
        for (qsizetype length = 0; length < bytes.size(); length += 37) {
            temp.Write("cut.jpg", bytes.left(length));
            QByteArray flipped = bytes;
            flipped[length] = char(flipped[length] ^ 0x5A);
            temp.Write("flipped.jpg", flipped);
            for (const char* name : {"cut.jpg", "flipped.jpg"}) {
                const std::optional<QString> error = LoadError(temp.File(name));
                EXPECT_TRUE(!error || !error->isEmpty());
            }
        }
    }
    for (qsizetype length = 0; length < bmp.size(); length += 23) {
        const std::optional<QString> error = LoadError(temp.Write("cut.bmp", bmp.left(length)));
        EXPECT_TRUE(!error || !error->isEmpty());
    }
}
