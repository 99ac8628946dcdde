#pragma once
#include <QList>
#include <QPoint>
#include <QString>
#include <QUrl>

class Editor;
class QWidget;
struct MenuButton;

// A file dropped from a file manager onto the canvas (the first of its URLs, at menu pixels): on empty
// canvas a BMP or JPEG becomes the normal, over or click picture, as picking it
// in Program Parameters makes it; on a button an .rtf or .txt becomes its help
// file and anything else its RUN target, as the button editor's pickers do.
// Names take the pickers' stored form. Each drop is one undo step; a refused
// one changes nothing.
class CanvasDrop {
public:
    CanvasDrop(Editor& editor, QWidget& canvas) : m_editor(editor), m_canvas(canvas) {}

    // Throws VyxError for a URL that is no local file and for a name the code page cannot hold.
    void Drop(const QList<QUrl>& urls, QPoint at);

private:
    // `file` is the BMP or JPEG to use, `dropped` the file as dropped (a converted
    // PNG's transparency is offered as the window's mask).
    void UseAsBackground(const QString& file, const QString& dropped);
    void SetHelpFile(int slot, const QString& storedName);
    void SetTarget(int slot, const QString& storedName);
    // The button takes the name into a field: the button editor and the list show it, one step.
    void ButtonEdited(const QString& label);
    void Tell(const QString& text);

    Editor& m_editor;
    QWidget& m_canvas;
};
