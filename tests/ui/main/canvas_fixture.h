#pragma once
#include "model/button_selection.h"
#include "model/design_canvas.h"
#include "ui/button_editor/button_editor.h"
#include "ui/core/button_commands.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

// The main window on a menu of three buttons (slots 0, 2 and 3), the canvas in
// reach of the mouse and the keys.
class CanvasFixture : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Menu\r\nReSort=0\r\n" + MenuSize() +
                                    "[Button#0]\r\nName=Play\r\nAction=RUN\r\nLeft=100\r\ntop=100\r\nWidth=60\r\nHeight=30\r\n"
                                    "[Button#2]\r\nName=Quit\r\nAction=CLOSE\r\nLeft=200\r\ntop=300\r\nWidth=60\r\nHeight=30\r\n"
                                    "[Button#3]\r\nName=Help\r\nAction=RUN\r\nLeft=400\r\ntop=160\r\nWidth=40\r\nHeight=30\r\n"
                                    "Params=\" /a \"\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        m_session.Main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_session.Main()));
        m_canvas = m_session.Main().findChild<DesignCanvasWidget*>();
        m_session.Main().activateWindow();
        Shared().SetInformationListener(
            [this](const QString& text, const QString& caption) { m_informations << caption + ": " + text; });
    }

    // Most cases leave the menu's size unset, as a hand-written INI file may.
    virtual QByteArray MenuSize() const { return {}; }

    QPoint CentreOf(int slot)
    {
        const MenuButton& b = Slot(slot);
        return {b.Left + b.Width / 2, b.Top + b.Height / 2};
    }
    void Click(int slot, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(m_canvas, Qt::LeftButton, mods, CentreOf(slot));
    }
    // A key to whatever has the focus, as the keyboard sends it.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, mods);
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), m_canvas->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(m_canvas, &event);
    }
    const MenuButton& Slot(int n) { return TheEditor().Project().Buttons[n]; }
    QRect RectOf(int n) { return ButtonRect(Slot(n)); }
    std::vector<int> Selected() { return TheEditor().Buttons().Selection().Slots(); }
    QString ShownSlot() { return m_session.Buttons().findChild<QLabel*>("Butt")->text(); }
    QByteArray ClipboardOurs()
    {
        return QApplication::clipboard()->mimeData()->data(QString::fromLatin1(ButtonCommands::MimeType));
    }

    DesignCanvasWidget* m_canvas = nullptr;
    QStringList m_informations; // "caption: text" of every information box
};
