#pragma once
#include "platform/rtf_document.h"

// Collects decoded text into paragraphs and runs for the RTF reader. Runs of
// equal format merge; whatever the input, the result stays within fixed bounds
// (text beyond them is dropped, further runs and paragraphs fold into the last).
class RtfDocumentBuilder {
public:
    static constexpr qsizetype MaxTextLength = 4 * 1024 * 1024;
    static constexpr size_t MaxRuns = 200'000;
    static constexpr size_t MaxParagraphs = 200'000;

    void AppendText(const QString& text, const RtfCharFormat& format);
    // Table cell end: the row's next text starts after a '\t'.
    void EndCell();
    // Marks the paragraph under construction as a list item.
    void SetBullet();
    void EndParagraph(const RtfParagraphFormat& format);
    // Keeps the last paragraph when it holds text, and hands the document over.
    RtfDocument Finish(const RtfParagraphFormat& format);

private:
    QString Reserve(const QString& text);
    void PushParagraph(const RtfParagraphFormat& format);
    void AppendRun(const QString& text, const RtfCharFormat& format);

    RtfDocument m_document;
    RtfParagraph m_current;
    qsizetype m_length = 0;
    size_t m_runCount = 0;
    qsizetype m_pendingCells = 0;
    bool m_bullet = false;
};
