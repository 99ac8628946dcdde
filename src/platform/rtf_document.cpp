#include "platform/rtf_document.h"

QString RtfParagraph::Text() const
{
    QString text;
    for (const RtfRun& run : m_runs)
        text += run.m_text;
    return text;
}
