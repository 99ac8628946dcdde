#include "ui/main/text_area.h"

#include "model/menu_project.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/rtf_document.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"
#include "ui/core/color_convert.h"
#include "ui/main/rtf_text_document.h"

#include <QFile>

namespace {
constexpr qint64 MaxHelpFileBytes = 16 * 1024 * 1024;
}

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
    QFile file(LocalPathOf(storedName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(MaxHelpFileBytes);
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
