#pragma once
#include "ui/core/frame_wait.h"
#include "ui/core/window_views.h"

#include <QWidget>

class CanvasStatusLine;
class DesignCanvasWidget;
class Editor;
class IniFileGroup;
class MainMenuBar;
class QScrollArea;
class SystemGroup;
class TextArea;
class TextItemGroup;

// The editor's frame: the menu bar, the canvas at the menu's real size and the
// 81-pixel strip with the "INI File...", "Text Item..." and "System" groups.
class MainWindow : public QWidget, public MainWindowView {
    Q_OBJECT
public:
    static constexpr int StripHeight = 81;
    static constexpr int MinClientWidth = 634;

    explicit MainWindow(Editor& editor, QWidget* parent = nullptr);
    ~MainWindow() override;

    // MainWindowView
    void SetDesignSize(int sizeX, int sizeY) override;
    void SetCaption(const QString& caption) override;
    // The program's title: the text of its taskbar entry.
    void SetApplicationTitle(const QString& title) override;
    void ProjectFlagsChanged() override;
    void TextInfoLoaded() override;
    void ShowTextFile(const QString& storedName) override;
    bool ClickEditChecked() const override;
    void CanvasChanged(const QRect& dirty) override;
    void SetIniFileName(const QString& name) override;
    void SetModified(bool modified) override;
    QSize CanvasRoom() const override;

    MainMenuBar& MenuBar() const { return *m_menuBar; }
    int MenuBarHeight() const;
    // The whole client size for a menu size: ClientSizeFor and the menu bar.
    QSize WindowSizeFor(int sizeX, int sizeY) const { return ClientSizeFor(sizeX, sizeY) + QSize(0, MenuBarHeight()); }
    // The caption as the desktop shows it: the "[*]" placeholder turned into the mark or dropped.
    QString ShownCaption() const;

    // Client size of canvas and strip for a menu size (the menu bar comes on
    // top), and the window's centred top-left corner.
    static QSize ClientSizeFor(int sizeX, int sizeY);
    static QPoint CentredPosition(const QSize& screen, const QSize& frame);
    // The client size that fits into `room`, the canvas scrolling in what is cut off.
    // `fixed` is what never scrolls: the strip (and the menu bar).
    static QSize FittedClientSize(const QSize& design, const QSize& room, int scrollBar, int fixed = StripHeight + 1);
    // Centred on the screen, then moved into its available area.
    static QPoint PlacedPosition(const QRect& screen, const QRect& available, const QSize& frame);

signals:
    // The user closed the editor: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Sizes and centres the window by its frame, inside the screen's available area.
    void PlaceOnScreen();
    void SetClientSize(const QSize& client);
    // The strip along the bottom edge, the scrolled menu above it.
    void LayOut(const QSize& client);
    // The canvas at the menu's real size, whatever part of it the window shows.
    void SetCanvasSize(const QSize& size);
    // The zoom changed: the canvas and the text area take their scaled sizes.
    void ApplyZoom();
    // Ctrl+wheel: the menu point under the pointer stays under it.
    void ZoomAround(QPointF at, bool in);

    Editor& m_editor;
    // Before the child widgets: their ChildAdded events reach event() while they are built.
    FrameWait m_frameWait;
    DesignCanvasWidget* m_canvas;
    MainMenuBar* m_menuBar;
    QWidget* m_menuArea;
    QScrollArea* m_scroll;
    TextArea* m_textArea;
    CanvasStatusLine* m_status;
    QSize m_canvasSize; // menu pixels: the menu's size, at least the strip's width
    IniFileGroup* m_iniGroup;
    TextItemGroup* m_textGroup;
    SystemGroup* m_systemGroup;
};
