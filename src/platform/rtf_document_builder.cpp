#include "platform/rtf_document_builder.h"

void RtfDocumentBuilder::AppendText(const QString& text, const RtfCharFormat& format)
{
    if (text.isEmpty())
        return;
    QString whole = m_pendingCells > 0 ? QString(m_pendingCells, u'\t') + text : text;
    m_pendingCells = 0;
    AppendRun(Reserve(whole), format);
}

void RtfDocumentBuilder::EndCell()
{
    if (m_pendingCells < MaxTextLength)
        ++m_pendingCells;
}

void RtfDocumentBuilder::SetBullet()
{
    m_bullet = true;
}

void RtfDocumentBuilder::EndParagraph(const RtfParagraphFormat& format)
{
    m_pendingCells = 0;
    if (m_document.m_paragraphs.size() + 1 >= MaxParagraphs) {
        // Past the bound the breaks survive as line breaks in the last paragraph.
        AppendRun(Reserve(QStringLiteral("\n")), m_current.m_runs.empty()
                                                     ? RtfCharFormat()
                                                     : m_current.m_runs.back().m_format);
        return;
    }
    PushParagraph(format);
    ++m_length;  // the paragraph end counts as one character of output
}

RtfDocument RtfDocumentBuilder::Finish(const RtfParagraphFormat& format)
{
    if (!m_current.m_runs.empty())
        PushParagraph(format);
    return std::move(m_document);
}

void RtfDocumentBuilder::PushParagraph(const RtfParagraphFormat& format)
{
    m_pendingCells = 0;
    m_current.m_format = format;
    m_current.m_format.m_bullet = m_bullet;
    m_document.m_paragraphs.push_back(std::move(m_current));
    m_current = RtfParagraph();
    m_bullet = false;
}

// The part of the text that still fits; marks the document as truncated when
// something had to go.
QString RtfDocumentBuilder::Reserve(const QString& text)
{
    qsizetype room = MaxTextLength - m_length;
    if (text.size() <= room) {
        m_length += text.size();
        return text;
    }
    m_document.m_truncated = true;
    if (room <= 0)
        return QString();
    m_length = MaxTextLength;
    return text.left(room);
}

void RtfDocumentBuilder::AppendRun(const QString& text, const RtfCharFormat& format)
{
    if (text.isEmpty())
        return;
    std::vector<RtfRun>& runs = m_current.m_runs;
    if (!runs.empty() && (runs.back().m_format == format || m_runCount >= MaxRuns)) {
        runs.back().m_text += text;
        return;
    }
    runs.push_back({text, format});
    ++m_runCount;
}
