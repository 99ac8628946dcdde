#include "ui/main/canvas_status_line.h"

#include "model/design_canvas.h"
#include "ui/core/button_commands.h"
#include "ui/core/editor.h"

CanvasStatusLine::CanvasStatusLine(Editor& editor, QWidget* parent) : QLabel(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("CanvasStatus"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    Show(std::nullopt);
}

void CanvasStatusLine::Show(std::optional<QPoint> pointer)
{
    const QString text = TextFor(m_editor, pointer);
    if (text != this->text())
        setText(text);
}

QString CanvasStatusLine::TextFor(const Editor& editor, std::optional<QPoint> pointer)
{
    const Editor& e = editor;
    QStringList lines;
    lines << (pointer ? QStringLiteral("x %1  y %2").arg(pointer->x()).arg(pointer->y()) : QString());
    const std::vector<int> chosen = e.Buttons().Selection().Slots();
    if (!chosen.empty()) {
        // Several selected: the rectangle round them all.
        QRect box;
        for (int slot : chosen)
            box |= ButtonRect(e.Project().Buttons[size_t(slot)]).normalized();
        const QString count = chosen.size() > 1 ? QStringLiteral("  (%1)").arg(chosen.size()) : QString();
        lines << QStringLiteral("Left %1  Top %2").arg(box.left()).arg(box.top()) + count
              << QStringLiteral("Width %1  Height %2").arg(box.width()).arg(box.height());
    } else {
        lines << QString() << QString();
    }
    lines << QStringLiteral("Zoom %1 %").arg(e.Zoom().Percent());
    return lines.join(QLatin1Char('\n'));
}
