#include "platform/code_page.h"

#include "platform/vyx_error.h"

#include <QLocale>

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
    static std::unique_ptr<Converters> converters = std::make_unique<Converters>(CodePage::DefaultFor(QLocale::system()));
    return converters;
}

QString& ForcedName()
{
    static QString name;
    return name;
}

// Encodes code point by code point, "?" for each one the code page lacks, as
// Windows writes them. A fresh encoder each time, since the error flag sticks.
// Whether the code point (one or two UTF-16 units) comes back from the code page
// unchanged: a best-fit mapping ("ř" as "r") loses it as surely as "?" does.
bool Fits(QStringView character, const QByteArray& codePage)
{
    QStringEncoder encoder(codePage.constData());
    const QByteArray bytes = encoder.encode(character);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(codePage.constData());
    return QString(decoder.decode(bytes)) == character;
}

qsizetype CodePointLength(const QString& text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

QByteArray EncodeReplacingUnknown(const QString& text, const QString& codePage)
{
    const QByteArray name = codePage.toLatin1();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = CodePointLength(text, i);
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

void CodePage::SetForced(const QString& name) { ForcedName() = name; }

QString CodePage::Forced() { return ForcedName(); }

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

std::optional<QString> CodePage::FirstUnencodable(const QString& text)
{
    if (ToUnicode(FromUnicode(text)) == text)
        return std::nullopt; // the common case, in one pass
    const QByteArray name = Name().toLatin1();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = CodePointLength(text, i);
        const QStringView character = QStringView(text).sliced(i, length);
        if (!Fits(character, name))
            return character.toString();
        i += length;
    }
    return std::nullopt;
}

QString CodePage::RefusalMessage(const QString& character)
{
    return QStringLiteral("The character \"%1\" (U+%2) cannot be stored in the code page %3, so it was not taken.\n"
                          "Choose another code page under Program Parameters, \"Code page\".")
        .arg(character)
        .arg(character.toUcs4().value(0), 4, 16, QChar(u'0'))
        .arg(Name());
}

void CodePage::Require(const QString& text)
{
    if (const std::optional<QString> character = FirstUnencodable(text))
        throw VyxError(RefusalMessage(*character));
}

QStringList CodePage::Available()
{
    QStringList names;
    for (int number = 1250; number <= 1258; ++number) {
        const QByteArray name = "windows-" + QByteArray::number(number);
        if (QStringDecoder(name.constData()).isValid() && QStringEncoder(name.constData()).isValid())
            names << QString::fromLatin1(name);
    }
    return names;
}

QString CodePage::DefaultFor(const QLocale& locale)
{
    using L = QLocale;
    switch (locale.language()) {
    case L::Czech: case L::Slovak: case L::Polish: case L::Hungarian: case L::Slovenian: case L::Croatian:
    case L::Romanian: case L::Albanian: case L::Bosnian:
        return QStringLiteral("windows-1250");
    case L::Russian: case L::Ukrainian: case L::Belarusian: case L::Bulgarian: case L::Macedonian:
        return QStringLiteral("windows-1251");
    case L::Serbian:
        return locale.script() == L::LatinScript ? QStringLiteral("windows-1250") : QStringLiteral("windows-1251");
    case L::Greek:
        return QStringLiteral("windows-1253");
    case L::Turkish: case L::Azerbaijani:
        return QStringLiteral("windows-1254");
    case L::Hebrew:
        return QStringLiteral("windows-1255");
    case L::Arabic: case L::Persian: case L::Urdu:
        return QStringLiteral("windows-1256");
    case L::Estonian: case L::Latvian: case L::Lithuanian:
        return QStringLiteral("windows-1257");
    case L::Vietnamese:
        return QStringLiteral("windows-1258");
    default:
        return QStringLiteral("windows-1252");
    }
}
