#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

// Decodes one JPEG file held in memory into a Format_RGB32 picture through the
// libjpeg API. Library errors come back through longjmp to the one guarded step
// under way, so every object with a destructor lives in this class, never on
// the stack between setjmp and a library call.
class JpegDecoder {
public:
    // libjpeg-turbo's own working memory: a progressive file keeps the
    // coefficients of the whole picture, which a tiny file can declare huge.
    static constexpr long MaxWorkingMemory = 128L * 1024 * 1024;
    // Every scan of a progressive file passes over the blocks of its
    // components, so a small file of repeated scan headers decodes for minutes.
    // Real encoders write a few dozen scans at most, about ten passes over the
    // picture; the blocks visited are bounded too, so that even the largest
    // picture is refused in about a second (some 40 ns a block).
    static constexpr int MaxScans = 500;
    static constexpr qint64 MaxBlockVisits = 30'000'000;

    // `fileName` only names the file in messages.
    JpegDecoder(const QByteArray& data, const QString& fileName);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // The picture's size from its header, read once; nothing large is
    // allocated before Decode. Throws VyxError when the header is unreadable.
    QSize ReadSize();
    // Throws VyxError on any failure; a file cut short decodes with the
    // missing part filled grey, as libjpeg only warns about it.
    QImage Decode();

private:
    // libjpeg's error manager first, so the library's pointer to it is ours.
    struct ErrorManager {
        jpeg_error_mgr pub;
        std::jmp_buf jump;
        char message[JMSG_LENGTH_MAX];
    };
    // libjpeg's progress monitor first, so the callback finds the limit flag.
    struct ProgressMonitor {
        jpeg_progress_mgr pub;
        int countedScan;
        qint64 blockVisits;
        bool tooManyScans;
    };

    bool ReadHeader();
    bool Start();
    bool ReadRows();
    bool Finish();
    void ChooseOutput();
    void ConvertRow(const JSAMPLE* in, QRgb* out) const;
    [[noreturn]] void Fail(const QString& reason) const;
    [[noreturn]] void FailFromLibrary() const;
    qint64 TotalBlocks() const;

    static void ErrorExit(j_common_ptr cinfo);
    static void OutputMessage(j_common_ptr cinfo);
    static void CountScans(j_common_ptr cinfo);

    QByteArray m_data;
    QString m_fileName;
    ErrorManager m_error{};
    ProgressMonitor m_progress{};
    jpeg_decompress_struct m_info{};
    bool m_created = false;
    bool m_headerRead = false;
    bool m_direct = false; // libjpeg writes Format_RGB32 rows itself
    bool m_invertedCmyk = false;
    QImage m_image;
    JSAMPARRAY m_rowBuffer = nullptr;
    JSAMPARRAY m_imageRows = nullptr; // direct output: the picture's rows, from libjpeg's pool
};
