#pragma once
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <map>

// The 8-bit code pages of one RTF document: the document's own (\ansicpg, or
// the caller's default when it names none) and each font's (\fcharset, \cpg).
// Decoders are made once per name; an unknown name falls back to the
// document's code page, then to windows-1252.
class RtfCodePages {
public:
    // Name of the Symbol font's character set, which has no Unicode code page.
    static const QString Symbol;

    explicit RtfCodePages(const QString& defaultCodePage);

    // "windows-NNNN" for \ansicpgNNNN or \cpgNNNN; empty for 0.
    static QString NameOfNumber(int codePage);
    // The code page of a font character set; empty means the document's.
    static QString NameOfCharset(int charset);

    void SetDocumentCodePage(const QString& name);
    // An empty name decodes in the document's code page.
    QString Decode(const QByteArray& bytes, const QString& name);

private:
    QStringDecoder* Find(const QString& name);
    QString DecodeSymbol(const QByteArray& bytes);

    std::map<QString, QStringDecoder> m_decoders;
    QString m_document;
};
