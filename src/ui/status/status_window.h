#pragma once
#include "ui/core/window_views.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWindow>
#include <QWidget>
#include <memory>

namespace Ui {
class StatusWindow;
}

// The small modeless window where loading and saving log their progress.
// Warnings keep it on screen: WarningsShown stays set until the window is
// closed (by its Close button, its close box or CloseStatus), not merely hidden.
class StatusWindow : public QWidget, public StatusWindowView {
    Q_OBJECT
public:
    explicit StatusWindow(QWidget* parent = nullptr);
    ~StatusWindow() override;

    // Top-left corner that centres `window` on `screen`, halves truncated.
    static QPoint CentredPosition(const QRect& screen, const QSize& window);

    void SetStatus(const QString& text) override;
    void AddLine(const QString& text) override;
    void AddWarning(const QString& text) override;
    void ClearLog() override;
    void ShowStatus() override;
    void HideStatus() override;
    void CloseStatus() override;
    bool WarningsShown() const override { return m_warningsShown; }
    bool IsShown() const override { return isVisible(); }
    void KeepAbove() override;
    bool IsCovered() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CentreOnScreen();

    std::unique_ptr<Ui::StatusWindow> m_ui;
    bool m_warningsShown = false;
    // The windows that took the focus since this one was last raised.
    QList<QPointer<QWindow>> m_focusedSince;
    // Another window than the main one lay over it when the main window's
    // activation raised it again: the press that activated the main window may
    // be the one on "status".
    bool m_uncoveredByActivation = false;
    QElapsedTimer m_keptAbove;
};
