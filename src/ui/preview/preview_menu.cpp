#include "ui/preview/preview_menu.h"

#include "model/design_canvas.h"
#include "model/menu_project.h"
#include "model/preview_action.h"
#include "platform/code_page.h"
#include "ui/widgets/text_area.h"

#include <QMouseEvent>
#include <QPainter>

PreviewMenu::PreviewMenu(const MenuProject& project, QWidget* parent)
    : QWidget(parent), m_project(project), m_text(new TextArea(this))
{
    setObjectName(QStringLiteral("PreviewMenu"));
    setMouseTracking(true);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PreviewMenu::Load()
{
    setFixedSize(std::max(m_project.Main.SizeX, 1), std::max(m_project.Main.SizeY, 1));
    m_lit = -1;
    m_pressed = -1;
    const TextInfo& info = m_project.TextInfo;
    m_text->ApplyGeometry(info);
    m_text->ApplyColors(info.BackgroundColor, info.FontColor);
    // "Disable Pointer": the player's text area takes no mouse.
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents, m_project.Main.DisableSelText);
    m_text->setVisible(info.IsActive());
    ShowHelpFile(-1);
    unsetCursor();
    update();
}

void PreviewMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QPoint(0, 0), m_project.NormalPicture);
    if (m_lit < 0)
        return;
    const QImage& state = m_pressed == m_lit ? m_project.ClickPicture : m_project.OverPicture;
    const QRect area = ButtonRect(m_project.Buttons[size_t(m_lit)]).normalized();
    if (!state.isNull())
        painter.drawImage(area.topLeft(), state, area);
}

void PreviewMenu::mouseMoveEvent(QMouseEvent* event)
{
    Light(PreviewAction::ButtonAt(m_project, event->position().toPoint()));
}

void PreviewMenu::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Light(PreviewAction::ButtonAt(m_project, event->position().toPoint()));
    m_pressed = m_lit;
    update();
}

void PreviewMenu::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int pressed = m_pressed;
    m_pressed = -1;
    Light(PreviewAction::ButtonAt(m_project, event->position().toPoint()));
    update();
    if (pressed >= 0 && pressed == m_lit)
        emit Clicked(pressed);
}

void PreviewMenu::leaveEvent(QEvent*) { Light(-1); }

void PreviewMenu::Light(int slot)
{
    if (slot == m_lit)
        return;
    m_lit = slot;
    if (slot >= 0 && m_project.Main.HandCursor)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    ShowHelpFile(slot);
    update();
    if (slot >= 0)
        emit Entered(slot);
}

void PreviewMenu::ShowHelpFile(int slot)
{
    const Text& name = slot >= 0 && !m_project.Buttons[size_t(slot)].LoadInfo.isEmpty()
                           ? m_project.Buttons[size_t(slot)].LoadInfo
                           : m_project.TextInfo.DefaultFile;
    m_text->clear();
    if (!name.isEmpty())
        m_text->ShowFile(CodePage::ToUnicode(name));
}
