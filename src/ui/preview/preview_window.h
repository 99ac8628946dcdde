#pragma once
#include "model/preview_outline.h"
#include "model/preview_sound.h"
#include "ui/core/window_views.h"

#include <QWidget>

class Editor;
class PreviewMenu;
class QLabel;
class QVariantAnimation;

// "Preview": the menu as the player shows it, from the project in memory, in a
// window cut to the menu's outline, with the player's sounds. A click tells in
// the line at the bottom what the button would do; Esc closes after the
// closing animation.
class PreviewWindow : public QWidget, public PreviewView {
    Q_OBJECT
public:
    static constexpr int LineHeight = 20;

    explicit PreviewWindow(Editor& editor);

    void ShowPreview() override;
    const PreviewOutline& Outline() const { return m_outline; }
    PreviewSound& Sound() { return m_sound; }
    // The window's mask when no animation runs: the outline and the action line.
    QRegion FullMask() const;

signals:
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Arrange();
    void Animate(int direction, int speed, bool closing);
    // The outline within the menu's visible part, and the action line.
    void ShowPart(const QRect& visible);
    void TellClick(int slot);
    // The line: what it tells (outline or action), then the latest sound note.
    void ShowLine(const QString& told, const QString& soundNote);
    QRect LineRect() const;

    Editor& m_editor;
    PreviewMenu* m_menu = nullptr;
    QLabel* m_line = nullptr;
    QVariantAnimation* m_animation = nullptr;
    PreviewOutline m_outline;
    PreviewSound m_sound;
    QString m_told;
    int m_direction = 0;
    bool m_closing = false;
};
