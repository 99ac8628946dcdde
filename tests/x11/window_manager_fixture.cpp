#include "x11/window_manager_fixture.h"

#include "ui/main/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

void WindowManagerTest::Start(const QByteArray& ini)
{
    m_dir.Write("launcher.ini", ini);
    m_session.Start(m_dir.File("launcher.ini"));
    m_session.Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_session.Main(), 15000));
    ASSERT_TRUE(WaitFramed(m_session.Main()));
}

void WindowManagerTest::UseRealMessageBoxes(std::function<void(QWidget* box)> answer)
{
    Shared().SetErrorListener(nullptr);
    Shared().SetQuestionAnswerer(nullptr);
    // Polls for the box, since it runs its own event loop.
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isActiveWindow())
            answer(box);
    });
    QObject::connect(&m_session.Main(), &QObject::destroyed, poll, &QObject::deleteLater);
    poll->start(100);
}

QList<WId> WindowManagerTest::Stacking()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    xprop.waitForFinished(5000);
    QList<WId> ids;
    const QString text = QString::fromLatin1(xprop.readAllStandardOutput());
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(text))
        ids << m.captured().toULongLong(nullptr, 16);
    return ids;
}

bool WindowManagerTest::Above(const QWidget& upper, const QWidget& lower)
{
    const QList<WId> order = Stacking();
    const qsizetype up = order.indexOf(upper.winId());
    const qsizetype low = order.indexOf(lower.winId());
    return up >= 0 && low >= 0 && up > low;
}

void WindowManagerTest::ActivateByWindowManager(QWidget& window)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QString::number(window.winId())});
}

bool WindowManagerTest::WaitFramed(QWidget& window)
{
    return QTest::qWaitFor([&] { return window.frameGeometry().size() != window.size(); }, 10000);
}

bool WindowManagerTest::WaitActive(QWidget& window)
{
    return QTest::qWaitFor([&] { return window.isActiveWindow(); }, 10000);
}
