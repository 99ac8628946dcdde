#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

struct RtfDocument;

// Help texts as HTML for the text area of the web page: what the editor's
// text area shows, in markup a browser lays out the same way.
namespace WebPageHelp {

// Paragraphs as <p> (alignment, indents, spacing), runs as <span> (font face,
// size, colours, bold, italic, underline, strike), hyperlink fields as <a>.
QString FromRtf(const RtfDocument& document);
// Plain text, one <p> per line.
QString FromPlainText(const QString& text);
// A help file's bytes: RTF when they begin so, else plain text; 8-bit text the
// file does not say otherwise of is in the run's code page.
QString FromFile(const QByteArray& bytes);

// A 0x00BBGGRR colour, or a system colour as the CSS keyword for the same
// Windows system colour.
QString CssColor(uint32_t color);

} // namespace WebPageHelp
