#include "ui/help/context_help.h"

#include "ui/core/editor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

ContextHelp::ContextHelp(Editor& editor, QObject* parent) : QObject(parent), m_editor(editor) {}

int ContextHelp::ContextOf(const QObject* widget)
{
    for (const QObject* o = widget; o; o = o->parent()) {
        const QVariant context = o->property("helpContext");
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && watched->isWidgetType()) {
        // An open menu's highlighted item may name a topic of its own.
        const auto* menu = qobject_cast<const QMenu*>(watched);
        if (menu && menu->activeAction() && menu->activeAction()->property("helpContext").isValid()) {
            m_editor.ShowHelpContext(menu->activeAction()->property("helpContext").toInt());
            return true;
        }
        const QWidget* focus = QApplication::focusWidget();
        m_editor.ShowHelpContext(ContextOf(focus ? focus : watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
