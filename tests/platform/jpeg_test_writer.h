#pragma once
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <jpeglib.h>

// Makes small JPEG files with libjpeg's own compressor, so the loader's tests
// can state exactly what a file holds: vertical stripes of solid colour in
// grey, RGB or CMYK. The inputs are always valid, so libjpeg's default error
// handling is enough here.
class JpegTestWriter {
public:
    // One stripe per sample group; `samples` holds `components` values per stripe.
    JpegTestWriter(J_COLOR_SPACE space, int components, const QList<int>& samples);

    // Leaves out Adobe's marker, so CMYK is stored with plain (not inverted) inks.
    void SetAdobeMarker(bool on) { m_adobeMarker = on; }
    void SetProgressive(bool on) { m_progressive = on; }

    QByteArray Encode(int stripeWidth, int height) const;

    // Rewrites the frame header's size, keeping the rest of the file.
    static QByteArray WithDeclaredSize(QByteArray jpeg, int width, int height);
    // Repeats the file's last scan (its header and data) before the end marker:
    // libjpeg accepts the repeats, and each passes over the whole picture again.
    static QByteArray WithRepeatedLastScan(const QByteArray& jpeg, int copies);

private:
    J_COLOR_SPACE m_space;
    int m_components;
    QList<int> m_samples;
    bool m_adobeMarker = true;
    bool m_progressive = false;
};
