#include "ui/main/main_window.h"

#include "ui/core/editor.h"
#include "ui/main/canvas_status_line.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/ini_file_group.h"
#include "ui/main/main_menu_bar.h"
#include "ui/main/system_group.h"
#include "ui/widgets/text_area.h"
#include "ui/main/text_item_group.h"

#include <QCloseEvent>
#include <QTimer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

MainWindow::MainWindow(Editor& editor, QWidget* parent)
    // A normal window, not a Qt::Tool one: closing it must end the program.
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_editor(editor)
{
    setObjectName(QStringLiteral("MainForm"));
    setProperty("helpContext", 10);
    // The canvas keeps the menu's real size; the scroll area shows what the screen has room for.
    // The text area lies over the canvas as a sibling, so that the pointer
    // moving onto it leaves the canvas; both stay inside the scrolled menu area,
    // under the strip.
    m_menuArea = new QWidget;
    m_canvas = new DesignCanvasWidget(editor, m_menuArea);
    m_textArea = new TextArea(m_menuArea);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("CanvasScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_menuArea);
    m_menuBar = new MainMenuBar(editor, *this, *m_textArea);
    m_canvas->addActions(m_menuBar->CanvasActions());
    m_iniGroup = new IniFileGroup(editor, this);
    m_textGroup = new TextItemGroup(editor, *m_textArea, this);
    m_systemGroup = new SystemGroup(editor, this);
    m_status = new CanvasStatusLine(editor, this);
    connect(m_canvas, &DesignCanvasWidget::Shown, this, [this] { m_status->Show(m_canvas->Pointer()); });
    connect(m_canvas, &DesignCanvasWidget::ZoomRequested, this, &MainWindow::ZoomAround);
    connect(&editor, &Editor::CanvasViewChanged, this, &MainWindow::ApplyZoom);
    connect(m_systemGroup, &SystemGroup::CloseRequested, this, &QWidget::close);
    // The strip's fixed places were laid out for a small dialog font.
    QFont stripFont = font();
    stripFont.setPixelSize(10);
    for (QWidget* group : {static_cast<QWidget*>(m_iniGroup), static_cast<QWidget*>(m_textGroup),
                           static_cast<QWidget*>(m_systemGroup), static_cast<QWidget*>(m_status)})
        group->setFont(stripFont);
    // Ctrl+O, Ctrl+S and the other keys are the menu bar's, from every window.
    SetCaption(QString());
    SetCanvasSize(QSize(680, 521 - StripHeight - 1));
    SetClientSize(QSize(680, 521 + MenuBarHeight()));
}

MainWindow::~MainWindow()
{
    // The editor outlives its windows: nothing it tells reaches this one while it goes.
    disconnect(&m_editor, nullptr, m_menuBar, nullptr);
}

int MainWindow::MenuBarHeight() const { return m_menuBar->sizeHint().height(); }

QSize MainWindow::ClientSizeFor(int sizeX, int sizeY)
{
    return QSize(std::max(sizeX, MinClientWidth), sizeY + StripHeight + 1);
}

QPoint MainWindow::CentredPosition(const QSize& screen, const QSize& frame)
{
    return QPoint(screen.width() / 2 - frame.width() / 2, screen.height() / 2 - frame.height() / 2);
}

QSize MainWindow::FittedClientSize(const QSize& design, const QSize& room, int scrollBar, int fixed)
{
    QSize client = design.boundedTo(room);
    // A scroll bar for one direction takes room from the other.
    if (client.height() < design.height())
        client.setWidth(std::min(design.width() + scrollBar, room.width()));
    if (client.width() < design.width())
        client.setHeight(std::min(design.height() + scrollBar, room.height()));
    return client.expandedTo(QSize(MinClientWidth, fixed));
}

QPoint MainWindow::PlacedPosition(const QRect& screen, const QRect& available, const QSize& frame)
{
    const QPoint centred = screen.topLeft() + CentredPosition(screen.size(), frame);
    return {std::max(std::min(centred.x(), available.right() + 1 - frame.width()), available.left()),
            std::max(std::min(centred.y(), available.bottom() + 1 - frame.height()), available.top())};
}

void MainWindow::SetDesignSize(int sizeX, int sizeY)
{
    SetCanvasSize(ClientSizeFor(sizeX, std::max(sizeY, 0)) - QSize(0, StripHeight + 1));
    PlaceOnScreen();
    m_frameWait.Arm(*this);
}

void MainWindow::SetCanvasSize(const QSize& size)
{
    m_canvasSize = size;
    const QSize shown = m_editor.Zoom().ToScreen(size);
    m_canvas->setFixedSize(shown);
    m_menuArea->setFixedSize(shown);
}

void MainWindow::ApplyZoom()
{
    SetCanvasSize(m_canvasSize);
    m_textArea->SetScale(m_editor.Zoom().Scale());
    m_canvas->update();
    m_status->Show(m_canvas->Pointer());
}

void MainWindow::ZoomAround(QPointF at, bool in)
{
    const QPointF inMenu = at / m_editor.Zoom().Scale();
    const QPoint inView = (at - QPointF(m_scroll->horizontalScrollBar()->value(), m_scroll->verticalScrollBar()->value())).toPoint();
    in ? m_editor.ZoomIn() : m_editor.ZoomOut();
    const QPointF after = m_editor.Zoom().ToScreen(inMenu);
    m_scroll->horizontalScrollBar()->setValue(int(after.x()) - inView.x());
    m_scroll->verticalScrollBar()->setValue(int(after.y()) - inView.y());
}

QSize MainWindow::CanvasRoom() const { return m_scroll->viewport()->size(); }

void MainWindow::PlaceOnScreen()
{
    const QScreen* where = screen();
    if (!where)
        return;
    const QMargins frame = FrameWait::FrameOf(*this);
    // SetDesignSize grows the window by the menu bar's height; only the canvas scrolls.
    const int fixed = StripHeight + 1 + MenuBarHeight();
    const QSize design = m_canvas->size() + QSize(0, fixed);
    SetClientSize(FittedClientSize(design, where->availableGeometry().size().shrunkBy(frame),
                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent), fixed));
    move(PlacedPosition(where->geometry(), where->availableGeometry(), size().grownBy(frame)));
}

void MainWindow::SetClientSize(const QSize& client)
{
    // The strip needs its width; the menu may shrink to nothing and scroll
    // between the menu bar and the strip.
    setMinimumSize(MinClientWidth, StripHeight + 1 + MenuBarHeight());
    resize(client);
    LayOut(client);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut(size());
}

void MainWindow::LayOut(const QSize& client)
{
    const int w = client.width();
    const int stripTop = client.height() - StripHeight;
    const int menuBar = MenuBarHeight();
    m_menuBar->setGeometry(0, 0, w, menuBar);
    m_scroll->setGeometry(0, menuBar, w, stripTop - 1 - menuBar);
    m_iniGroup->setGeometry(0, stripTop, 146, StripHeight);
    m_textGroup->setGeometry(146, stripTop, 172, StripHeight);
    m_systemGroup->setGeometry(w - 189, stripTop, 189, StripHeight);
    // Between the groups: as wide as the window leaves it.
    m_status->setGeometry(318 + 4, stripTop + 4, std::max(w - 189 - 318 - 8, 0), StripHeight - 8);
}

void MainWindow::SetCaption(const QString& caption)
{
    // The desktop's modified mark leads every caption, the button name under the pointer's too.
    QString escaped = caption;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("[*]") + escaped);
}

void MainWindow::SetModified(bool modified) { setWindowModified(modified); }

QString MainWindow::ShownCaption() const
{
    QString shown = windowTitle();
    shown.replace(0, 3, isWindowModified() ? QStringLiteral("*") : QString());
    return shown.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

void MainWindow::SetApplicationTitle(const QString& title) { setWindowIconText(title); }

void MainWindow::ProjectFlagsChanged()
{
    m_systemGroup->ShowProjectFlags();
    m_textGroup->ShowDisableSelText();
}

void MainWindow::TextInfoLoaded() { m_textGroup->ShowTextInfo(); }

void MainWindow::ShowTextFile(const QString& storedName) { m_textArea->ShowFile(storedName); }

bool MainWindow::ClickEditChecked() const { return m_systemGroup->ClickEditChecked(); }

void MainWindow::CanvasChanged(const QRect& dirty) { m_canvas->UpdateMenuArea(dirty); }

void MainWindow::SetIniFileName(const QString& name) { m_iniGroup->SetFileName(name); }

bool MainWindow::event(QEvent* event)
{
    if (m_frameWait.FramedNow(*this, *event))
        PlaceOnScreen();
    if (event->type() == QEvent::WindowActivate)
        m_editor.MainWindowActivated();
    // Asked once the activation is over: a question box inside it would deactivate the window again.
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { m_editor.NoticeOutsideChange(this); });
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_editor.ConfirmClose(this)) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}
