#include "ui/shape/mask_form.h"

#include "model/mask_builder.h"
#include "model/mask_file.h"
#include "ui/core/color_convert.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/core/picture_conversion_offer.h"
#include "ui/core/read_only_question.h"
#include "ui_mask_form.h"

#include <QCoreApplication>
#include <algorithm>
#include <QFileInfo>

MaskForm::MaskForm(Editor& editor, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MaskForm>()), m_editor(editor)
{
    m_ui->setupUi(this);
    m_ui->Tolerance->SetMinValue(0);
    m_ui->Tolerance->SetMaxValue(100);
    Connect();
    ShowMaskColor();
    ShowPicture();
}

MaskForm::~MaskForm() = default;

template <typename F>
void MaskForm::Handle(F&& handler)
{
    Guarded(m_editor.Dialogs(), this, std::forward<F>(handler));
    ShowPicture();
}

void MaskForm::Connect()
{
    connect(m_ui->Image, &PictureView::Pressed, this, [this](QPoint at) { Handle([this, at] { PickColor(at); }); });
    connect(m_ui->SelectFile, &QPushButton::clicked, this, [this] { Handle([this] { SelectMaskFile(); }); });
    connect(m_ui->MakeMask, &QPushButton::clicked, this, [this] { Handle([this] { MakeMask(); }); });
    connect(m_ui->SaveMask, &QPushButton::clicked, this, [this] { Handle([this] { SaveMask(); }); });
    connect(m_ui->Preview, &QPushButton::clicked, this, [this] { Handle([this] { Preview(); }); });
    connect(m_ui->Restore, &QPushButton::clicked, this, [this] { Handle([this] { Restore(); }); });
    connect(m_ui->Autosave, &QCheckBox::toggled, this, [this](bool on) { m_ui->SaveMask->setEnabled(!on); });
}

void MaskForm::UsePicture(const QImage& picture)
{
    m_maker.UsePicture(picture);
    SourceChanged();
}

void MaskForm::SourceChanged()
{
    SetStatus(QString());
    ShowPicture();
    FitToPicture();
}

void MaskForm::FitToPicture()
{
    resize(m_ui->Image->WindowSizeFor(QSize(m_ui->GroupBox1->minimumWidth(), 0)).expandedTo(minimumSizeHint()));
}

void MaskForm::ShowMaskMaker()
{
    FitToPicture();
    exec();
}

void MaskForm::HideMaskMaker() { hide(); }

bool MaskForm::IsShown() const { return isVisible(); }

void MaskForm::PickColor(QPoint at)
{
    m_maker.PickColor(at);
    ShowMaskColor();
}

void MaskForm::SelectMaskFile()
{
    OpenFileRequest& request = m_editor.Dialogs().OpenFile();
    request.Title = QStringLiteral("Mask file (ONLY FOR CREATING MASK)");
    request.Filter = PlayerPictureFilter;
    request.InitialDir = QFileInfo(m_editor.IniFileName()).absolutePath();
    const std::optional<QString> picked = m_editor.Dialogs().ExecuteOpenFile(this);
    if (!picked || !QFileInfo::exists(*picked))
        return;
    // The scan reads any format itself: declining the conversion still loads the picked file.
    const std::optional<QString> converted = OfferPlayerPicture(m_editor, this, *picked);
    const MainParams& main = m_editor.Project().Main;
    m_maker.LoadSourcePicture(converted.value_or(*picked), QSize(main.SizeX, main.SizeY));
    SourceChanged();
}

void MaskForm::MakeMask()
{
    // Scan the untouched picture, not an earlier preview, and show it first.
    m_maker.Restore();
    m_maker.PlasmaRegion().AssignRegion(nullptr);
    ShowPicture();
    QCoreApplication::processEvents();
    // Read anew each time: a typed 150 must not reach the build.
    const int tolerance = std::clamp(m_ui->Tolerance->Value(), 0, 100);
    const int height = m_maker.Shown().height();
    m_maker.BuildRegion(tolerance, [this, height](int y) {
        SetStatus(QStringLiteral("%1 % done").arg(MaskBuilder::Percent(y, height)));
    });
    if (!m_ui->Autosave->isChecked()) {
        SetStatus(QStringLiteral("Done. (not saved)"));
    } else if (!m_maker.PlasmaRegion().HasRegion()) {
        SetStatus(QStringLiteral("Done. (nothing opaque, not saved)"));
    } else {
        SetStatus(QStringLiteral("Saving..."));
        SetStatus(WriteMask() ? QStringLiteral("Done. (saved)") : QStringLiteral("Done. (not saved)"));
    }
    WarnOfSizeMismatch();
    Preview();
}

void MaskForm::WarnOfSizeMismatch()
{
    const MainParams& main = m_editor.Project().Main;
    if (const std::optional<QString> warning = m_maker.SizeMismatch(main.SizeX, main.SizeY)) {
        m_editor.AddWarning(*warning);
        m_editor.ShowStatus();
    }
}

void MaskForm::SaveMask()
{
    if (!m_maker.PlasmaRegion().HasRegion()) {
        SetStatus(QStringLiteral("No mask to save"));
        return;
    }
    SetStatus(QStringLiteral("Saving..."));
    SetStatus(WriteMask() ? QStringLiteral("Done. (saved)") : QStringLiteral("Not saved"));
}

bool MaskForm::WriteMask()
{
    return WriteAskingAboutReadOnly(m_editor.Dialogs(), this, [this](bool anyway) {
        SaveMaskFile(m_maker.PlasmaRegion(), m_editor.IniFileName(), anyway);
    });
}

void MaskForm::Preview() { m_maker.Preview(); }

void MaskForm::Restore() { m_maker.Restore(); }

void MaskForm::SetStatus(const QString& text)
{
    if (m_ui->Status->text() == text)
        return;
    m_ui->Status->setText(text);
    m_ui->Status->repaint();
}

void MaskForm::ShowPicture() { m_ui->Image->ShowPicture(&m_maker.Shown()); }

void MaskForm::ShowMaskColor()
{
    QPalette palette = m_ui->ColorPanel->palette();
    palette.setColor(QPalette::Window, ColorToQColor(m_maker.MaskColor()));
    m_ui->ColorPanel->setPalette(palette);
}
