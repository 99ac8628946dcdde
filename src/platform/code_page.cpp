#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <memory>

namespace {

// The converters are kept between calls (looking a code page up is not free);
// conversions run on the user-interface thread only. They live on the heap and
// are never moved: Qt 6.4's ICU converters lose their error reporting when moved.
struct Converters {
    explicit Converters(const QString& codePage)
        : name(codePage), decoder(codePage.toLatin1().constData()),
          encoder(codePage.toLatin1().constData())
    {
    }

    QString name;
    QStringDecoder decoder;
    QStringEncoder encoder;
};

std::unique_ptr<Converters>& Current()
{
    static std::unique_ptr<Converters> converters =
        std::make_unique<Converters>(QStringLiteral("windows-1252"));
    return converters;
}

// Encodes code point by code point, "?" for each one the code page lacks, as
// Windows writes them. A fresh encoder each time, since the error flag sticks.
QByteArray EncodeReplacingUnknown(const QString& text, const QString& codePage)
{
    const QByteArray name = codePage.toLatin1();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        QStringEncoder encoder(name.constData());
        const QByteArray encoded = encoder.encode(QStringView(text).sliced(i, length));
        bytes += encoder.hasError() ? QByteArray("?") : encoded;
        i += length;
    }
    return bytes;
}

} // namespace

bool CodePage::Select(const QString& name)
{
    auto candidate = std::make_unique<Converters>(name);
    if (!candidate->decoder.isValid() || !candidate->encoder.isValid())
        return false;
    Current() = std::move(candidate);
    return true;
}

QString CodePage::Name() { return Current()->name; }

QString CodePage::ToUnicode(const QByteArray& bytes)
{
    QStringDecoder& decoder = Current()->decoder;
    decoder.resetState();
    return decoder.decode(bytes);
}

QByteArray CodePage::FromUnicode(const QString& text)
{
    QStringEncoder& encoder = Current()->encoder;
    encoder.resetState();
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    const QString name = Current()->name;
    Current() = std::make_unique<Converters>(name); // resetState() keeps the error flag
    return EncodeReplacingUnknown(text, name);
}
