#include "ui/preview/preview_window.h"

#include "model/preview_action.h"
#include "model/preview_animation.h"
#include "platform/code_page.h"
#include "ui/core/editor.h"
#include "ui/preview/effect_sound_player.h"
#include "ui/preview/preview_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVariantAnimation>

PreviewWindow::PreviewWindow(Editor& editor)
    : QWidget(nullptr, Qt::Window), m_editor(editor), m_menu(new PreviewMenu(editor.Project(), this)),
      m_line(new QLabel(this)), m_animation(new QVariantAnimation(this)),
      m_sound(editor.Project(), std::make_unique<EffectSoundPlayer>())
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setFocusPolicy(Qt::StrongFocus);
    setProperty("helpContext", 9010);
    m_line->setObjectName(QStringLiteral("ActionLine"));
    m_line->setAutoFillBackground(true);
    m_line->setContentsMargins(4, 0, 4, 0);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double shown = m_closing ? 1.0 - value.toDouble() : value.toDouble();
        ShowPart(PreviewAnimation::Visible(m_direction, m_menu->size(), shown));
    });
    connect(m_animation, &QVariantAnimation::finished, this, [this] {
        if (!m_closing)
            return ShowPart(m_menu->rect());
        close();
    });
    connect(m_menu, &PreviewMenu::Clicked, this, &PreviewWindow::TellClick);
    connect(m_menu, &PreviewMenu::Entered, this, [this](int slot) { m_sound.Enter(slot); });
    m_sound.SetNoteListener([this](const QString& note) { ShowLine(m_told, note); });
}

void PreviewWindow::ShowPreview()
{
    const MenuProject& project = m_editor.Project();
    m_animation->stop();
    m_closing = false;
    m_outline = PreviewOutline::Choose(project, m_editor.IniFileName());
    setWindowTitle(CodePage::ToUnicode(project.Main.Title) + QStringLiteral(" - Preview"));
    setWindowFlag(Qt::FramelessWindowHint, project.Main.HideBorder);
    Arrange();
    ShowLine(m_outline.Note().isEmpty()
                 ? QStringLiteral("Outline: ") + m_outline.Description() + QStringLiteral(". Esc closes.")
                 : m_outline.Note(),
             {});
    show();
    raise();
    activateWindow();
    setFocus();
    Animate(project.Main.ScrollStart, project.Main.ScrollStartSpeed, false);
    m_sound.Open(m_editor.IniFileName());
}

QRegion PreviewWindow::FullMask() const { return m_outline.Mask() + QRegion(LineRect()); }

void PreviewWindow::Arrange()
{
    m_menu->Load();
    m_menu->move(0, 0);
    m_line->setGeometry(LineRect());
    setFixedSize(m_menu->width(), m_menu->height() + LineHeight);
}

QRect PreviewWindow::LineRect() const { return QRect(0, m_menu->height(), m_menu->width(), LineHeight); }

void PreviewWindow::Animate(int direction, int speed, bool closing)
{
    m_direction = direction;
    m_closing = closing;
    if (!PreviewAnimation::Animates(direction))
        return ShowPart(m_menu->rect());
    m_animation->setDuration(PreviewAnimation::DurationMs(speed));
    ShowPart(PreviewAnimation::Visible(direction, m_menu->size(), closing ? 1.0 : 0.0));
    m_animation->start();
}

void PreviewWindow::ShowPart(const QRect& visible) { setMask((m_outline.Mask() & visible) + QRegion(LineRect())); }

void PreviewWindow::TellClick(int slot)
{
    ShowLine(PreviewAction::LineFor(m_editor.Project().Buttons[size_t(slot)]), {});
    m_sound.Click(slot);
}

void PreviewWindow::ShowLine(const QString& told, const QString& soundNote)
{
    m_told = told;
    m_line->setText(soundNote.isEmpty() ? told : told + QStringLiteral(" | ") + soundNote);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    const MainParams& main = m_editor.Project().Main;
    if (!PreviewAnimation::Animates(main.ScrollEnd))
        close();
    else if (!m_closing)
        Animate(main.ScrollEnd, main.ScrollEndSpeed, true);
}

// Any other close (the frame's close box, the program ending) takes the window at once.
void PreviewWindow::closeEvent(QCloseEvent* event)
{
    m_animation->stop();
    m_closing = false;
    m_sound.Close();
    event->accept();
    emit Closed();
}
