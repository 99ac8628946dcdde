#include "ui/main/text_item_group.h"

#include "model/menu_project.h"
#include "platform/code_page.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/core/color_convert.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/strip_layout.h"
#include "ui/widgets/text_area.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

// A spin edit's text as the handlers read it: empty is 0, anything else must be a number.
int32_t TextToInt(const QString& text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int32_t value = text.toInt(&ok);
    if (!ok)
        ThrowNotValidInteger(text);
    return value;
}

void PlaceLabel(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(geometry);
}

} // namespace

TextItemGroup::TextItemGroup(Editor& editor, TextArea& area, QWidget* parent)
    : QGroupBox(QStringLiteral("Text Item..."), parent), m_editor(editor), m_area(area)
{
    setProperty("helpContext", 260);
    BuildControls();
    Connect();
}

TSuperSpinEditI* TextItemGroup::PlaceSpin(const QString& name, const QRect& geometry, int minValue, int maxValue)
{
    auto* spin = new TSuperSpinEditI(this);
    spin->setObjectName(name);
    spin->setGeometry(geometry);
    spin->SetMinValue(minValue);
    spin->SetMaxValue(maxValue);
    // Enter beeps here and letters are never cased.
    spin->Flat().EnterLikeTab = false;
    spin->SetCaseMode(cmNormal);
    return spin;
}

QToolButton* TextItemGroup::PlaceColorButton(const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

void TextItemGroup::BuildControls()
{
    PlaceLabel(this, QStringLiteral("X:"), QRect(6, 18, 12, 18));
    m_x = PlaceSpin(QStringLiteral("X"), QRect(18, 16, 52, 20), -1, 1024);
    PlaceLabel(this, QStringLiteral("Y:"), QRect(6, 40, 12, 18));
    m_y = PlaceSpin(QStringLiteral("Y"), QRect(18, 38, 52, 20), 0, 1024);
    PlaceLabel(this, QStringLiteral("^"), QRect(76, 14, 8, 10));
    PlaceLabel(this, QStringLiteral("|"), QRect(77, 24, 8, 14));
    m_height = PlaceSpin(QStringLiteral("Edit2"), QRect(86, 16, 52, 20), 0, 1024);
    PlaceLabel(this, QStringLiteral("<--->"), QRect(74, 40, 26, 18));
    m_width = PlaceSpin(QStringLiteral("Edit3"), QRect(100, 38, 52, 20), 0, 1024);
    auto* hide = PlaceButton(this, QStringLiteral("Button10"), QStringLiteral("Hide"), QRect(140, 16, 30, 20));
    connect(hide, &QPushButton::clicked, this, [this] {
        m_x->setText(QStringLiteral("-1"));
        m_editor.EndGesture();
    });
    m_bgColor = PlaceColorButton(QStringLiteral("SpeedButton1"), QStringLiteral("BgCol"), QRect(2, 60, 32, 18));
    m_textColor = PlaceColorButton(QStringLiteral("SpeedButton3"), QStringLiteral("TextCol"), QRect(35, 60, 38, 18));
    m_disablePointer = PlaceCheckBox(this, QStringLiteral("DisableSelText"), QStringLiteral("Disable Pointer"),
                                     QRect(74, 60, 97, 18));
    ShowCaptionColor(m_bgColor, m_editor.Project().TextInfo.BackgroundColor);
    ShowCaptionColor(m_textColor, m_editor.Project().TextInfo.FontColor);
}

void TextItemGroup::Connect()
{
    auto guarded = [this](auto handler) {
        return [this, handler](const QString& text) { Guarded(m_editor.Dialogs(), window(), [&] { handler(text); }); };
    };
    connect(m_x, &QLineEdit::textChanged, this, guarded([this](const QString& t) { XChanged(t); }));
    connect(m_y, &QLineEdit::textChanged, this, guarded([this](const QString& t) { SizeChanged(&TextInfo::Top, t); }));
    connect(m_height, &QLineEdit::textChanged, this,
            guarded([this](const QString& t) { SizeChanged(&TextInfo::Height, t); }));
    connect(m_width, &QLineEdit::textChanged, this,
            guarded([this](const QString& t) { SizeChanged(&TextInfo::Width, t); }));
    connect(m_x, &TSuperSpinEditI::Exited, this, [this] {
        if (m_x->text().isEmpty())
            m_x->setText(QStringLiteral("0"));
    });
    connect(m_bgColor, &QToolButton::clicked, this, [this] { PickColor(m_bgColor, &TextInfo::BackgroundColor); });
    connect(m_textColor, &QToolButton::clicked, this, [this] { PickColor(m_textColor, &TextInfo::FontColor); });
    connect(m_disablePointer, &QCheckBox::toggled, this,
            [this](bool checked) { m_editor.Project().Main.DisableSelText = checked; });
    // The user's click is the gesture; a load's or an undo's toggle is not.
    connect(m_disablePointer, &QCheckBox::clicked, this, [this] { m_editor.EndGesture(); });
}

void TextItemGroup::XChanged(const QString& text)
{
    TextInfo& info = m_editor.Project().TextInfo;
    info.Left = TextToInt(text);
    m_area.ApplyGeometry(info);
    m_area.setVisible(info.Left >= 0);
}

void TextItemGroup::SizeChanged(int32_t TextInfo::*field, const QString& text)
{
    TextInfo& info = m_editor.Project().TextInfo;
    info.*field = TextToInt(text);
    m_area.ApplyGeometry(info);
}

void TextItemGroup::PickColor(QToolButton* button, uint32_t TextInfo::*field)
{
    TextInfo& info = m_editor.Project().TextInfo;
    const std::optional<uint32_t> chosen = m_editor.Dialogs().ExecuteColor(window(), info.*field);
    if (!chosen)
        return;
    info.*field = *chosen;
    ShowCaptionColor(button, *chosen);
    m_area.ApplyColors(info.BackgroundColor, info.FontColor);
    m_editor.EndGesture();
}

// The caption is drawn in the colour itself, on a face dark or light enough to read it.
void TextItemGroup::ShowCaptionColor(QToolButton* button, uint32_t color)
{
    const QColor caption = ColorToQColor(color);
    const QColor face = caption.lightness() > 140 ? QColor(0x50, 0x50, 0x50) : QColor(0xE8, 0xE8, 0xE8);
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, caption);
    p.setColor(QPalette::Button, face);
    button->setPalette(p);
    button->setAutoFillBackground(true);
    button->setBackgroundRole(QPalette::Button);
}

void TextItemGroup::ShowTextInfo()
{
    const TextInfo info = m_editor.Project().TextInfo;
    m_area.ApplyGeometry(info);
    m_x->setText(QString::number(info.Left));
    m_y->setText(QString::number(info.Top));
    m_height->setText(QString::number(info.Height));
    m_width->setText(QString::number(info.Width));
    ShowCaptionColor(m_bgColor, info.BackgroundColor);
    ShowCaptionColor(m_textColor, info.FontColor);
    m_area.ApplyColors(info.BackgroundColor, info.FontColor);
    m_area.ShowStart(CodePage::ToUnicode(info.DefaultFile));
    // A loaded area is shown only when it is active, as the load reports it.
    m_area.setVisible(info.IsActive());
}

void TextItemGroup::ShowDisableSelText() { m_disablePointer->setChecked(m_editor.Project().Main.DisableSelText); }
