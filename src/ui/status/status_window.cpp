#include "ui/status/status_window.h"

#include "ui/core/color_convert.h"
#include "ui_status_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace {

constexpr uint32_t clInactiveCaptionText = 0x80000013;

} // namespace

StatusWindow::StatusWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::StatusWindow>())
{
    m_ui->setupUi(this);
    setFixedSize(401, 151);
    // The caption label takes what the font needs; the status label follows it
    // and gives up that much width, so that its right end stays inside the window.
    m_ui->Label1->adjustSize();
    QRect status = m_ui->StatusLabel->geometry();
    status.setLeft(std::min(m_ui->Label1->geometry().right() + 4, status.right()));
    m_ui->StatusLabel->setGeometry(status);
    // Loading shows the window while the user works elsewhere; it must not take the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);

    QPalette palette = m_ui->Log->palette();
    palette.setColor(QPalette::Base, ColorToQColor(clInactiveCaptionText));
    m_ui->Log->setPalette(palette);

    connect(m_ui->CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused != windowHandle())
            m_focusedSince << focused;
    });
    CentreOnScreen();
}

StatusWindow::~StatusWindow() = default;

QPoint StatusWindow::CentredPosition(const QRect& screen, const QSize& window)
{
    return {screen.left() + screen.width() / 2 - window.width() / 2,
            screen.top() + screen.height() / 2 - window.height() / 2};
}

void StatusWindow::CentreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredPosition(screen->geometry(), size()));
}

void StatusWindow::SetStatus(const QString& text)
{
    // Loading and saving do not return to the event loop, so each stage paints itself.
    m_ui->StatusLabel->setText(text);
    m_ui->StatusLabel->repaint();
}

void StatusWindow::AddLine(const QString& text)
{
    m_ui->Log->appendPlainText(text);
    m_ui->Log->viewport()->repaint();
}

void StatusWindow::AddWarning(const QString& text)
{
    m_warningsShown = true;
    AddLine(QStringLiteral("! ") + text);
}

void StatusWindow::ClearLog()
{
    m_ui->Log->clear();
}

void StatusWindow::ShowStatus()
{
    // Above the main window, which a window manager raises when it is activated,
    // but without taking the focus from it.
    show();
    raise();
    m_focusedSince.clear();
    m_uncoveredByActivation = false;
}

void StatusWindow::KeepAbove()
{
    if (!isVisible())
        return;
    raise();
    const QWindow* main = QGuiApplication::focusWindow();
    m_uncoveredByActivation = std::any_of(m_focusedSince.cbegin(), m_focusedSince.cend(),
                                          [main](const QPointer<QWindow>& window) { return window && window != main; });
    m_focusedSince.clear();
    m_keptAbove.start();
}

bool StatusWindow::IsCovered() const
{
    constexpr int ActivatingPressMs = 1000;
    return m_uncoveredByActivation && m_keptAbove.elapsed() < ActivatingPressMs;
}

void StatusWindow::HideStatus()
{
    hide();
}

void StatusWindow::CloseStatus()
{
    hide();
    m_warningsShown = false;
}

void StatusWindow::closeEvent(QCloseEvent* event)
{
    m_warningsShown = false;
    event->accept();
}
