#include "platform/jpeg_decoder.h"

#include "platform/picture_memory.h"
#include "platform/vyx_error.h"

#include <QDir>

#include <algorithm>

#include <jerror.h>

JpegDecoder::JpegDecoder(const QByteArray& data, const QString& fileName)
    : m_data(data), m_fileName(fileName)
{
    m_info.err = jpeg_std_error(&m_error.pub);
    m_error.pub.error_exit = &JpegDecoder::ErrorExit;
    m_error.pub.output_message = &JpegDecoder::OutputMessage;
    m_progress.pub.progress_monitor = &JpegDecoder::CountScans;
}

JpegDecoder::~JpegDecoder()
{
    if (m_created)
        jpeg_destroy_decompress(&m_info);
}

QSize JpegDecoder::ReadSize()
{
    if (!m_headerRead && !ReadHeader())
        Fail(QString::fromLatin1(m_error.message));
    m_headerRead = true;
    return QSize(int(m_info.image_width), int(m_info.image_height));
}

QImage JpegDecoder::Decode()
{
    ReadSize();
    ChooseOutput();
    if (!Start()) {
        // Without a backing store, going past the memory limit is this error.
        if (m_error.pub.msg_code == JERR_NO_BACKING_STORE)
            Fail(QStringLiteral("decoding this %1 x %2 picture needs more than %3 MiB of working memory")
                     .arg(m_info.image_width)
                     .arg(m_info.image_height)
                     .arg(MaxWorkingMemory / (1024 * 1024)));
        FailFromLibrary();
    }
    m_image = PictureMemory::NewPicture(QSize(int(m_info.output_width), int(m_info.output_height)), QImage::Format_RGB32);
    if (m_image.isNull())
        Fail(QStringLiteral("Not enough memory for a %1 x %2 picture")
                 .arg(m_info.output_width)
                 .arg(m_info.output_height));
    if (m_direct)
        for (JDIMENSION y = 0; y < m_info.output_height; ++y)
            m_imageRows[y] = m_image.scanLine(int(y));
    if (!ReadRows() || !Finish())
        FailFromLibrary();
    return std::move(m_image);
}

// The guarded steps below hold nothing with a destructor on their own stack,
// so a longjmp out of the library skips no destructor.
bool JpegDecoder::ReadHeader()
{
    if (setjmp(m_error.jump))
        return false;
    m_created = true;
    jpeg_create_decompress(&m_info);
    m_info.progress = &m_progress.pub;
    m_info.mem->max_memory_to_use = MaxWorkingMemory;
    jpeg_mem_src(&m_info, reinterpret_cast<const unsigned char*>(m_data.constData()),
                 static_cast<unsigned long>(m_data.size()));
    jpeg_read_header(&m_info, TRUE);
    return true;
}

bool JpegDecoder::Start()
{
    if (setjmp(m_error.jump))
        return false;
    jpeg_start_decompress(&m_info);
    if (!m_direct)
        m_rowBuffer = (*m_info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&m_info), JPOOL_IMAGE,
                                                  m_info.output_width * m_info.output_components, 1);
    else
        m_imageRows = static_cast<JSAMPARRAY>((*m_info.mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(&m_info), JPOOL_IMAGE, sizeof(JSAMPROW) * m_info.output_height));
    return true;
}

bool JpegDecoder::ReadRows()
{
    if (setjmp(m_error.jump))
        return false;
    while (m_info.output_scanline < m_info.output_height) {
        const JDIMENSION y = m_info.output_scanline;
        if (m_direct) {
            // Offering every remaining row lets libjpeg emit a whole row group per call.
            if (jpeg_read_scanlines(&m_info, m_imageRows + y, m_info.output_height - y) == 0)
                return true; // only a suspending source stops early; Finish reports it
            continue;
        }
        JSAMPROW row = m_rowBuffer[0];
        if (jpeg_read_scanlines(&m_info, &row, 1) != 1)
            return true;
        ConvertRow(row, reinterpret_cast<QRgb*>(m_image.scanLine(int(y))));
    }
    return true;
}

bool JpegDecoder::Finish()
{
    if (setjmp(m_error.jump))
        return false;
    jpeg_finish_decompress(&m_info);
    return true;
}

void JpegDecoder::ChooseOutput()
{
    switch (m_info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
#ifdef JCS_EXTENSIONS
        // Format_RGB32 is one native-endian 0xffRRGGBB word per pixel.
        m_info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
        m_direct = true;
#else
        m_info.out_color_space = m_info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
#endif
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        m_info.out_color_space = JCS_CMYK;
        // Adobe's applications write CMYK with every sample inverted.
        m_invertedCmyk = m_info.saw_Adobe_marker;
        break;
    default:
        Fail(QStringLiteral("Unsupported colour space with %1 components").arg(m_info.num_components));
    }
}

void JpegDecoder::ConvertRow(const JSAMPLE* in, QRgb* out) const
{
    const auto scale = [](int a, int b) { return (a * b + 127) / 255; };
    for (JDIMENSION x = 0; x < m_info.output_width; ++x) {
        switch (m_info.out_color_space) {
        case JCS_GRAYSCALE:
            out[x] = qRgb(in[x], in[x], in[x]);
            break;
        case JCS_CMYK: {
            const JSAMPLE* p = in + 4 * x;
            const int flip = m_invertedCmyk ? 0 : 255;
            const int k = flip ^ p[3];
            out[x] = qRgb(scale(flip ^ p[0], k), scale(flip ^ p[1], k), scale(flip ^ p[2], k));
            break;
        }
        default:
            out[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
        }
    }
}

void JpegDecoder::Fail(const QString& reason) const
{
    throw VyxError(QStringLiteral("JPEG error: %1 (%2)").arg(reason, QDir::toNativeSeparators(m_fileName)));
}

qint64 JpegDecoder::TotalBlocks() const
{
    qint64 blocks = 0;
    for (int i = 0; i < m_info.num_components; ++i)
        blocks += qint64(m_info.comp_info[i].width_in_blocks) * m_info.comp_info[i].height_in_blocks;
    return blocks;
}

void JpegDecoder::FailFromLibrary() const
{
    if (m_progress.tooManyScans)
        Fail(QStringLiteral("the file has more scans than any encoder writes (%1 at most, or %2 passes over a "
                            "picture of this size; a damaged file?)")
                 .arg(MaxScans)
                 .arg(MaxBlockVisits / std::max<qint64>(TotalBlocks(), 1)));
    Fail(QString::fromLatin1(m_error.message));
}

void JpegDecoder::ErrorExit(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// libjpeg calls this while it reads the scans of a progressive file, before
// each row of blocks; the file is refused as soon as the count passes the limit.
void JpegDecoder::CountScans(j_common_ptr cinfo)
{
    const auto* info = reinterpret_cast<j_decompress_ptr>(cinfo);
    auto* monitor = reinterpret_cast<ProgressMonitor*>(cinfo->progress);
    if (info->input_scan_number == monitor->countedScan)
        return;
    monitor->countedScan = info->input_scan_number;
    for (int i = 0; i < info->comps_in_scan; ++i)
        monitor->blockVisits += qint64(info->cur_comp_info[i]->width_in_blocks) * info->cur_comp_info[i]->height_in_blocks;
    if (info->input_scan_number <= MaxScans && monitor->blockVisits <= MaxBlockVisits)
        return;
    monitor->tooManyScans = true;
    (*cinfo->err->error_exit)(cinfo);
}

// Warnings (a file cut short, extra bytes) are not worth a console line:
// the picture still decodes, as it does in the player.
void JpegDecoder::OutputMessage(j_common_ptr) {}
