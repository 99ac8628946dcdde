#include "platform/jpeg_test_writer.h"

#include <cstdlib>
#include <vector>

JpegTestWriter::JpegTestWriter(J_COLOR_SPACE space, int components, const QList<int>& samples)
    : m_space(space), m_components(components), m_samples(samples)
{
}

QByteArray JpegTestWriter::Encode(int stripeWidth, int height) const
{
    const int stripes = int(m_samples.size()) / m_components;
    const int width = stripeWidth * stripes;
    std::vector<JSAMPLE> row(size_t(width) * m_components);
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < m_components; ++c)
            row[size_t(x) * m_components + c] = JSAMPLE(m_samples[(x / stripeWidth) * m_components + c]);

    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = m_components;
    info.in_color_space = m_space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.write_Adobe_marker = m_adobeMarker;
    if (m_progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rowPointer = row.data();
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, &rowPointer, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray JpegTestWriter::WithDeclaredSize(QByteArray jpeg, int width, int height)
{
    // Baseline or progressive frame header: FF C0 or FF C2, length, precision, height, width (big-endian).
    qsizetype at = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (at < 0)
        at = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    if (at < 0)
        return {};
    jpeg[at + 5] = char(height >> 8);
    jpeg[at + 6] = char(height & 0xFF);
    jpeg[at + 7] = char(width >> 8);
    jpeg[at + 8] = char(width & 0xFF);
    return jpeg;
}

QByteArray JpegTestWriter::WithRepeatedLastScan(const QByteArray& jpeg, int copies)
{
    const qsizetype scan = jpeg.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = jpeg.lastIndexOf(QByteArray("\xFF\xD9", 2));
    if (scan < 0 || end < scan)
        return {};
    return jpeg.left(end) + jpeg.mid(scan, end - scan).repeated(copies) + jpeg.mid(end);
}
