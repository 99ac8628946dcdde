#pragma once
#include <QWidget>

class MenuProject;
class TextArea;

// The menu itself: the normal picture at its real size, a button's area taken
// from the over picture under the pointer and from the click picture while
// pressed, and the text area with the help file of the button under the pointer.
class PreviewMenu : public QWidget {
    Q_OBJECT
public:
    PreviewMenu(const MenuProject& project, QWidget* parent);

    // Takes the project's size, text area and pointer; no button is lit.
    void Load();
    int LitButton() const { return m_lit; }
    bool Pressed() const { return m_pressed >= 0; }

signals:
    // The pointer came onto a button (from outside it or from another one).
    void Entered(int slot);
    // A press and release on the same button.
    void Clicked(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Light(int slot);
    void ShowHelpFile(int slot);

    const MenuProject& m_project;
    TextArea* m_text = nullptr;
    int m_lit = -1;
    int m_pressed = -1;
};
