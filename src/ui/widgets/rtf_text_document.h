#pragma once
class QTextDocument;
struct RtfDocument;

// Replaces the document's content with a read help file; formats left at their
// defaults take the view's font and colours.
void FillTextDocument(QTextDocument& document, const RtfDocument& rtf);
