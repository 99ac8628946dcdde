#pragma once
#include <QLabel>
#include <QPoint>
#include <optional>

class Editor;

// Under the canvas, in the strip: the pointer's menu coordinates, the selection's
// rectangle and the zoom.
class CanvasStatusLine : public QLabel {
    Q_OBJECT
public:
    CanvasStatusLine(Editor& editor, QWidget* parent);
    void Show(std::optional<QPoint> pointer);
    // The lines as shown, for a pointer and the editor's selection and zoom.
    static QString TextFor(const Editor& editor, std::optional<QPoint> pointer);

private:
    Editor& m_editor;
};
