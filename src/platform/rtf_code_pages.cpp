#include "platform/rtf_code_pages.h"

#include <tuple>

const QString RtfCodePages::Symbol = QStringLiteral("symbol");

RtfCodePages::RtfCodePages(const QString& defaultCodePage)
{
    SetDocumentCodePage(defaultCodePage);
}

QString RtfCodePages::NameOfNumber(int codePage)
{
    if (codePage <= 0)
        return QString();
    if (codePage == 65001)
        return QStringLiteral("UTF-8");
    if (codePage == 10000)
        return QStringLiteral("macintosh");
    return QStringLiteral("windows-%1").arg(codePage);
}

QString RtfCodePages::NameOfCharset(int charset)
{
    switch (charset) {
    case 2: return Symbol;
    case 77: return NameOfNumber(10000);
    case 128: return NameOfNumber(932);
    case 129: return NameOfNumber(949);
    case 134: return NameOfNumber(936);
    case 136: return NameOfNumber(950);
    case 161: return NameOfNumber(1253);
    case 162: return NameOfNumber(1254);
    case 163: return NameOfNumber(1258);
    case 177: return NameOfNumber(1255);
    case 178: return NameOfNumber(1256);
    case 186: return NameOfNumber(1257);
    case 204: return NameOfNumber(1251);
    case 222: return NameOfNumber(874);
    case 238: return NameOfNumber(1250);
    case 255: return NameOfNumber(437);
    default: return QString();  // 0 (ANSI), 1 (default) and the rest
    }
}

void RtfCodePages::SetDocumentCodePage(const QString& name)
{
    if (!name.isEmpty() && name != Symbol && Find(name))
        m_document = name;
    else if (m_document.isEmpty())
        m_document = QStringLiteral("windows-1252");
}

QString RtfCodePages::Decode(const QByteArray& bytes, const QString& name)
{
    if (name == Symbol)
        return DecodeSymbol(bytes);
    QStringDecoder* decoder = name.isEmpty() ? nullptr : Find(name);
    if (!decoder)
        decoder = Find(m_document);
    if (!decoder)
        return QString::fromLatin1(bytes);
    return decoder->decode(bytes);
}

QStringDecoder* RtfCodePages::Find(const QString& name)
{
    auto found = m_decoders.find(name);
    if (found == m_decoders.end()) {
        // Built in place: a moved Qt 6.4 ICU decoder keeps pointing at its old self.
        const QByteArray latin = name.toLatin1();
        found = m_decoders
                    .emplace(std::piecewise_construct, std::forward_as_tuple(name),
                             std::forward_as_tuple(latin.constData(), QStringDecoder::Flag::Stateless))
                    .first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

// Symbol-font text is mostly list bullets (0xB7); the rest keeps its Latin
// reading, as no Symbol font with that layout can be assumed here.
QString RtfCodePages::DecodeSymbol(const QByteArray& bytes)
{
    QString text = Decode(bytes, QStringLiteral("windows-1252"));
    for (qsizetype i = 0; i < bytes.size() && i < text.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) == 0xB7)
            text[i] = QChar(0x2022);
    }
    return text;
}
