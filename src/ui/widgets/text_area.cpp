#include "ui/widgets/text_area.h"

#include <QtMath>

#include "model/help_file.h"
#include "model/menu_project.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/rtf_document.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"
#include "ui/core/color_convert.h"
#include "ui/widgets/rtf_text_document.h"

namespace {
// 10 points at Windows's 96 pixels per inch, for plain text and RTF without a size.
constexpr int DefaultPixelSize = 13;
}

TextArea::TextArea(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("TextArea"));
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setProperty("helpContext", 210);
    // Its own font, not its window's: the preview shows the same text at the same size.
    QFont own = font();
    own.setPixelSize(DefaultPixelSize);
    setFont(own);
    ShowStart({});
    hide();
}

void TextArea::setVisible(bool visible)
{
    m_wanted = visible;
    QTextEdit::setVisible(visible && m_viewed);
}

void TextArea::SetViewed(bool viewed)
{
    m_viewed = viewed;
    QTextEdit::setVisible(m_wanted && m_viewed);
}

void TextArea::ShowStart(const QString& defaultFile)
{
    setPlainText(QStringLiteral("Text"));
    if (!defaultFile.isEmpty())
        ShowFile(defaultFile);
}

void TextArea::ApplyGeometry(const TextInfo& info)
{
    m_place = QRect(info.Left, info.Top, std::max(info.Width, 0), std::max(info.Height, 0));
    PlaceScaled();
}

void TextArea::SetScale(double scale)
{
    m_scale = scale;
    PlaceScaled();
}

void TextArea::PlaceScaled()
{
    if (m_scale == 1) {
        setGeometry(m_place);
        return;
    }
    const QPoint topLeft(qFloor(m_place.left() * m_scale), qFloor(m_place.top() * m_scale));
    setGeometry(QRect(topLeft, QSize(qCeil(m_place.width() * m_scale), qCeil(m_place.height() * m_scale))));
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
