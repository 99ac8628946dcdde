#include "ui/main/text_area.h"

#include "model/help_file.h"
#include "model/menu_project.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/rtf_document.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"
#include "ui/core/color_convert.h"
#include "ui/main/rtf_text_document.h"


TextArea::TextArea(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("TextArea"));
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setProperty("helpContext", 210);
    setPlainText(QStringLiteral("Text"));
    hide();
}

void TextArea::ApplyGeometry(const TextInfo& info)
{
    setGeometry(info.Left, info.Top, std::max(info.Width, 0), std::max(info.Height, 0));
}

void TextArea::ApplyColors(uint32_t background, uint32_t font)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, ColorToQColor(background));
    p.setColor(QPalette::Text, ColorToQColor(font));
    setPalette(p);
}

void TextArea::ShowFile(const QString& storedName)
{
    std::optional<QByteArray> read;
    try {
        read = HelpFile::Read(LocalPathOf(storedName));
    } catch (const VyxError& e) {
        setPlainText(e.Message()); // shown where the text would be: no box on every pointer move
        return;
    }
    if (!read)
        return;
    const QByteArray& bytes = *read;
    if (bytes.trimmed().startsWith("{\\rtf")) {
        try {
            const RtfDocument rtf = RtfReader::Read(bytes, CodePage::Name());
            FillTextDocument(*document(), rtf);
        } catch (const VyxError&) {
            return; // not readable as rich text: keep what the area shows
        }
    } else {
        setPlainText(CodePage::ToUnicode(bytes));
    }
}
