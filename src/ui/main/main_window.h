#pragma once
#include "ui/core/frame_wait.h"
#include "ui/core/window_views.h"

#include <QWidget>

class DesignCanvasWidget;
class Editor;
class IniFileGroup;
class QScrollArea;
class SystemGroup;
class TextArea;
class TextItemGroup;

// The editor's frame: the canvas at the menu's real size above an 81-pixel
// strip with the "INI File...", "Text Item..." and "System" groups.
class MainWindow : public QWidget, public MainWindowView {
    Q_OBJECT
public:
    static constexpr int StripHeight = 81;
    static constexpr int MinClientWidth = 634;

    explicit MainWindow(Editor& editor, QWidget* parent = nullptr);

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

    // Client size for a menu size, and the window's centred top-left corner.
    static QSize ClientSizeFor(int sizeX, int sizeY);
    static QPoint CentredPosition(const QSize& screen, const QSize& frame);
    // The client size that fits into `room`, the canvas scrolling in what is cut off.
    static QSize FittedClientSize(const QSize& design, const QSize& room, int scrollBar);
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
    bool ConfirmClose();

    Editor& m_editor;
    // Before the child widgets: their ChildAdded events reach event() while they are built.
    FrameWait m_frameWait;
    DesignCanvasWidget* m_canvas;
    QWidget* m_menuArea;
    QScrollArea* m_scroll;
    TextArea* m_textArea;
    IniFileGroup* m_iniGroup;
    TextItemGroup* m_textGroup;
    SystemGroup* m_systemGroup;
};
