#include "ui/params/program_params_dialog.h"

#include "model/menu_project.h"
#include "platform/code_page.h"
#include "platform/picture_loader.h"
#include "platform/vyx_error.h"
#include "ui/controls/code_page_guard.h"
#include "ui/controls/file_name_drop.h"
#include "ui/controls/sr_gradient.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/core/alpha_mask_offer.h"
#include "ui/core/background_picture.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/core/picture_conversion_offer.h"
#include "ui/params/ext_actions_tab.h"
#include "ui_program_params_dialog.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QUrl>
#include <algorithm>

const QString ProgramParamsDialog::Version = QStringLiteral("v" VYX_VERSION);
const QString ProgramParamsDialog::HomePage = QStringLiteral("https://vyxedit.example.org/");

namespace {

constexpr int ClientWidth = 430;
constexpr int ClientHeight = 261;

const QString SoundsFilter = QStringLiteral("WAV|*.wav|All|*.*");
const QString ProgramsFilter = QStringLiteral("Programs|*.exe;*.com;*.pif;*.lnk|All files|*.*");

const std::array<QImage MenuProject::*, 3> BackgroundTargets = {
    &MenuProject::NormalPicture, &MenuProject::OverPicture, &MenuProject::ClickPicture};

QString Shown(const Text& text) { return CodePage::ToUnicode(text); }
Text Stored(const QLineEdit* box) { return CodePage::FromUnicode(box->text()); }

// A caption that stands apart from its button: a click on it is a click on the button.
class CaptionClicks : public QObject {
public:
    CaptionClicks(QLabel* caption, QAbstractButton* button) : QObject(caption), m_button(button)
    {
        caption->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease ||
            static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || !m_button->isEnabled())
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton* m_button;
};

} // namespace

ProgramParamsDialog::ProgramParamsDialog(Editor& editor, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_editor(editor), m_ui(std::make_unique<Ui::ProgramParamsDialog>())
{
    m_ui->setupUi(this);
    setFixedSize(ClientWidth, ClientHeight);
    // Made inside the dialog, so the tab measures its list in the dialog's font.
    m_extActions = new ExtActionsTab(editor, m_ui->PageControl1);
    m_ui->PageControl1->insertTab(ExtensionsPage, m_extActions, QStringLiteral("Extensions - AutoAction"));
    FitTabs();
    GuardProjectTexts(this);
    // A 0-pixel menu is no menu; a picked picture as large as the loader takes keeps its size.
    for (TSuperSpinEditI* edit : {m_ui->SizeXEdit, m_ui->SizeYEdit}) {
        edit->SetMinValue(1);
        edit->SetMaxValue(PictureLoader::MaxSide);
    }
    m_animShow = {m_ui->AnimShowCheck, {m_ui->ShowTop, m_ui->ShowBottom, m_ui->ShowLeft, m_ui->ShowRight},
                  m_ui->ShowRightLabel, m_ui->ShowSpeed};
    m_animClose = {m_ui->AnimCloseCheck, {m_ui->CloseTop, m_ui->CloseBottom, m_ui->CloseLeft, m_ui->CloseRight},
                   m_ui->CloseRightLabel, m_ui->CloseSpeed};
    m_urlOpener = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
    BuildAboutPage();
    ConnectButtons();
    ConnectPickers();
    ConnectBackgroundPickers();
    connect(m_ui->CodePageCombo, &QComboBox::textActivated, this,
            [this](const QString& name) { Handle([&] { ShowInCodePage(name); }); });
}

ProgramParamsDialog::~ProgramParamsDialog() = default;

void ProgramParamsDialog::FitTabs()
{
    // Seven tabs share 430 pixels: a small font and narrow padding keep them all in sight.
    QTabBar* bar = m_ui->PageControl1->tabBar();
    QFont small = bar->font();
    small.setPixelSize(10);
    bar->setFont(small);
    m_ui->PageControl1->setUsesScrollButtons(false);
    m_ui->PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 3px; }"));
}

void ProgramParamsDialog::BuildAboutPage()
{
    m_gradient = new TSRGradient(m_ui->AboutStrip);
    m_gradient->setObjectName(QStringLiteral("SRGradient1"));
    m_gradient->SetDirection(TGradDirection::gdDownRight);
    m_gradient->SetEndColor(TEndColor::ecWhite);
    m_gradient->SetStartColor(TStartColor::scGray);
    m_gradient->SetStepWidth(1);
    m_gradient->SetStyle(TGradStyle::gsVertical);
    auto* version = new QLabel(Version, m_ui->AboutStrip);
    version->setObjectName(QStringLiteral("VersionLabel"));
    version->setGeometry(m_ui->AboutStrip->rect().adjusted(8, 0, 0, 0));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    m_ui->HomePageButton->setText(HomePage);
    QFont link = m_ui->HomePageButton->font();
    link.setUnderline(true);
    m_ui->HomePageButton->setFont(link);
    m_ui->HomePageButton->setStyleSheet(QStringLiteral("color: #0000c0;"));
}

void ProgramParamsDialog::ConnectButtons()
{
    connect(m_ui->OkButton, &QPushButton::clicked, this, [this] { Handle([this] { OkClick(); }); });
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->HomePageButton, &QToolButton::clicked, this, [this] { Handle([this] { OpenHomePage(); }); });
    ConnectAnimation(m_animShow);
    ConnectAnimation(m_animClose);
    m_ui->SizeXEdit->installEventFilter(this);
    m_ui->SizeYEdit->installEventFilter(this);
}

void ProgramParamsDialog::ConnectAnimation(const AnimationGroup& group)
{
    new CaptionClicks(group.RightCaption, group.Directions.back());
    connect(group.Box, &QCheckBox::toggled, this, [group](bool ticked) { ShowDirections(group, ticked); });
    ShowDirections(group, group.Box->isChecked());
}

// A direction is chosen only while the box is ticked, and a ticked box always has one.
void ProgramParamsDialog::ShowDirections(const AnimationGroup& group, bool ticked)
{
    for (QRadioButton* direction : group.Directions)
        direction->setEnabled(ticked);
    group.RightCaption->setEnabled(ticked);
    const bool chosen = std::any_of(group.Directions.begin(), group.Directions.end(),
                                    [](const QRadioButton* direction) { return direction->isChecked(); });
    if (ticked && !chosen)
        group.Directions.front()->setChecked(true);
}

void ProgramParamsDialog::ConnectPickers()
{
    const std::array<std::tuple<QAbstractButton*, QLineEdit*, FilePicker>, 7> pickers = {{
        {m_ui->PickIcon, m_ui->IconEdit,
         {QStringLiteral("Icon file"), QStringLiteral("ICO|*.ico|All files|*.*"), true}},
        {m_ui->PickSoundOver, m_ui->SoundOverEdit, {QStringLiteral("Sound file: Mouse OVER"), SoundsFilter, true}},
        {m_ui->PickSoundClick, m_ui->SoundClickEdit, {QStringLiteral("Sound file: Mouse CLICK"), SoundsFilter, true}},
        {m_ui->PickOnLoadSound, m_ui->OnLoadSoundEdit,
         {QStringLiteral("OnLoad Sound File"), QStringLiteral("WAV|*.wav|All files|*.*"), true}},
        {m_ui->PickUnAssProg, m_ui->UnAssProgEdit, {QStringLiteral("UnAssExt program"), ProgramsFilter, false}},
        {m_ui->PickNotFoundProg, m_ui->NotFoundProgEdit,
         {QStringLiteral("On File not Found program"), ProgramsFilter, false}},
        {m_ui->PickDefaultText, m_ui->DefaultTextEdit,
         {QStringLiteral("Default Text file"), QStringLiteral("RTF|*.rtf|TXT|*.txt"), true}},
    }};
    for (const auto& [button, box, picker] : pickers) {
        connect(button, &QAbstractButton::clicked, this,
                [this, box = box, picker = picker] { Handle([&] { PickFile(box, picker); }); });
        FileNameDrop::Install(box, m_editor.Dialogs(),
                              [this, box = box](const QString& file) { box->setText(StoredProjectName(m_editor, file)); });
    }
}

void ProgramParamsDialog::ConnectBackgroundPickers()
{
    const std::array<std::pair<QAbstractButton*, BackgroundPicker>, 3> pickers = {{
        {m_ui->PickBackground,
         {m_ui->BackgroundEdit, QStringLiteral("\"Backgroud\" picture"), &MenuProject::NormalPicture}},
        {m_ui->PickBackOver,
         {m_ui->BackOverEdit, QStringLiteral("Obrázek \"Mouse-OVER\""), &MenuProject::OverPicture}},
        {m_ui->PickBackClick,
         {m_ui->BackClickEdit, QStringLiteral("Obrázek \"Mouse-CLICK\""), &MenuProject::ClickPicture}},
    }};
    for (const auto& [button, picker] : pickers) {
        connect(button, &QAbstractButton::clicked, this,
                [this, picker = picker] { Handle([&] { PickBackground(picker); }); });
        FileNameDrop::Install(picker.Box, m_editor.Dialogs(),
                              [this, picker = picker](const QString& file) { UseBackground(picker, file); });
    }
}

void ProgramParamsDialog::Handle(const std::function<void()>& handler) { Guarded(m_editor.Dialogs(), this, handler); }

void ProgramParamsDialog::OpenParams(int page)
{
    FillParamsDialog();
    m_ui->PageControl1->setCurrentIndex(page);
    // The dialog is one gesture: a picked picture takes effect at once, but only
    // OK records the step (and Cancel puts the pictures back), however the focus moves.
    const GestureHold hold = m_editor.HoldGestures();
    exec();
}

void ProgramParamsDialog::FillParamsDialog()
{
    const MenuProject& project = m_editor.Project();
    const MainParams& main = project.Main;
    m_ui->TitleEdit->setText(Shown(main.Title));
    m_ui->CompanyEdit->setText(Shown(main.Company));
    m_ui->DefaultTextEdit->setText(Shown(project.TextInfo.DefaultFile));
    m_ui->SoundOverEdit->setText(Shown(main.SoundOver));
    m_ui->SoundClickEdit->setText(Shown(main.SoundClick));
    m_ui->OnLoadSoundEdit->setText(Shown(main.OnLoadSound));
    m_ui->SizeXEdit->setText(QString::number(main.SizeX));
    m_ui->SizeYEdit->setText(QString::number(main.SizeY));
    m_ui->UnAssProgEdit->setText(Shown(main.DefUnAssExtProg));
    m_ui->UnAssParamEdit->setText(Shown(main.DefUnAssExtParam));
    m_ui->HideBorderCheck->setChecked(main.HideBorder);
    m_ui->HandCursorCheck->setChecked(main.HandCursor);
    m_ui->IconEdit->setText(Shown(main.IconFile));
    m_ui->NotFoundProgEdit->setText(Shown(main.DefNotFoundProg));
    m_ui->BackgroundEdit->setText(Shown(main.BackgroundFile));
    m_ui->BackOverEdit->setText(Shown(main.BackOverFile));
    m_ui->BackClickEdit->setText(Shown(main.BackClickFile));
    // An exclusive radio button cannot be unchecked directly; checking its partner does it.
    m_ui->EscRadio->setChecked(main.SimpleEsc);
    m_ui->ShiftEscRadio->setChecked(!main.SimpleEsc);
    FillAnimation(m_animShow, main.ScrollStart, main.ScrollStartSpeed);
    FillAnimation(m_animClose, main.ScrollEnd, main.ScrollEndSpeed);
    FillCodePages();
    // What "Cancel" puts back.
    for (size_t i = 0; i < BackgroundTargets.size(); ++i)
        m_opened.Pictures[i] = project.*BackgroundTargets[i];
    m_opened.UseCustomShape = main.UseCustomShape;
    m_opened.Replaced = false;
}

void ProgramParamsDialog::FillAnimation(const AnimationGroup& group, int direction, int speed)
{
    // Direction 0 (or any unknown value) leaves the radio button of an earlier opening checked.
    const bool known = direction >= 1 && direction <= 4;
    group.Box->setChecked(known);
    if (known)
        group.Directions[size_t(direction - 1)]->setChecked(true);
    group.Speed->setValue(speed);
}

void ProgramParamsDialog::OkClick()
{
    // Closing moves the focus out of a field: the dialog's OK is the one step,
    // also when a field's number stops it half-way (what was copied stays, as before).
    const QString label = QStringLiteral("Program Parameters");
    try {
        const GestureHold hold = m_editor.HoldGestures();
        ApplyParams();
        ApplyCodePage();
        accept();
    } catch (...) {
        m_editor.EndGesture(label);
        throw;
    }
    m_editor.EndGesture(label);
}

void ProgramParamsDialog::FillCodePages()
{
    m_openedCodePage = CodePage::Name();
    QStringList names = CodePage::Available();
    if (!names.contains(m_openedCodePage))
        names.prepend(m_openedCodePage); // one given on the command line
    const QSignalBlocker quiet(m_ui->CodePageCombo);
    m_ui->CodePageCombo->clear();
    m_ui->CodePageCombo->addItems(names);
    m_ui->CodePageCombo->setCurrentText(m_openedCodePage);
}

void ProgramParamsDialog::ShowInCodePage(const QString& name)
{
    const QList<QLineEdit*> fields = findChildren<QLineEdit*>();
    QList<QByteArray> bytes;
    for (QLineEdit* field : fields)
        bytes << CodePage::FromUnicode(field->text());
    if (!CodePage::Select(name))
        return;
    for (qsizetype i = 0; i < fields.size(); ++i)
        fields[i]->setText(CodePage::ToUnicode(bytes[i]));
}

void ProgramParamsDialog::ApplyCodePage()
{
    if (CodePage::Name() == m_openedCodePage)
        return;
    m_editor.Project().CodePage = CodePage::Name(); // kept in the project's own section
    const MainParams& main = m_editor.Project().Main;
    m_editor.SetApplicationTitle(Shown(main.Title));
    m_editor.SetWindowCaption(Shown(main.WindowCaption()));
    m_editor.TextInfoLoaded();
    m_editor.RefreshButtonListIfShown();
    m_editor.LoadButtonEditor();
}

void ProgramParamsDialog::ApplyParams()
{
    MenuProject& project = m_editor.Project();
    MainParams& main = project.Main;
    main.Title = Stored(m_ui->TitleEdit);
    main.Company = Stored(m_ui->CompanyEdit);
    m_editor.SetApplicationTitle(Shown(main.Title));
    m_editor.SetWindowCaption(Shown(main.WindowCaption()));
    main.SizeX = StrToInt(m_ui->SizeXEdit->text());
    main.SizeY = StrToInt(m_ui->SizeYEdit->text());
    project.TextInfo.DefaultFile = Stored(m_ui->DefaultTextEdit);
    main.SoundOver = Stored(m_ui->SoundOverEdit);
    main.SoundClick = Stored(m_ui->SoundClickEdit);
    main.OnLoadSound = Stored(m_ui->OnLoadSoundEdit);
    main.HideBorder = m_ui->HideBorderCheck->isChecked();
    main.HandCursor = m_ui->HandCursorCheck->isChecked();
    main.DefUnAssExtProg = Stored(m_ui->UnAssProgEdit);
    main.DefUnAssExtParam = Stored(m_ui->UnAssParamEdit);
    main.IconFile = Stored(m_ui->IconEdit);
    main.SimpleEsc = m_ui->EscRadio->isChecked();
    main.DefNotFoundProg = Stored(m_ui->NotFoundProgEdit);
    main.BackgroundFile = Stored(m_ui->BackgroundEdit);
    main.BackOverFile = Stored(m_ui->BackOverEdit);
    main.BackClickFile = Stored(m_ui->BackClickEdit);
    ApplyDesignSize();
    ApplyAnimation(m_animShow, main.ScrollStart, main.ScrollStartSpeed);
    ApplyAnimation(m_animClose, main.ScrollEnd, main.ScrollEndSpeed);
}

void ProgramParamsDialog::ApplyDesignSize()
{
    const MainParams& main = m_editor.Project().Main;
    const QSize before = m_editor.Canvas().Image().size();
    m_editor.SetDesignSize(main.SizeX, main.SizeY);
    // A new size re-creates the canvas bitmap blank; without a redraw the
    // picture and the exclusive-or frames would be gone until the next one.
    if (!before.isEmpty() && m_editor.Canvas().Image().size() != before)
        m_editor.RedrawCanvas();
}

void ProgramParamsDialog::ApplyAnimation(const AnimationGroup& group, int32_t& direction, int32_t& speed)
{
    if (!group.Box->isChecked())
        direction = 0;
    else
        for (size_t i = 0; i < group.Directions.size(); ++i)
            if (group.Directions[i]->isChecked())
                direction = int32_t(i + 1);
    speed = group.Speed->value();
}

void ProgramParamsDialog::PickFile(QLineEdit* box, const FilePicker& picker)
{
    if (const std::optional<QString> name = PickProjectFile(m_editor, this, picker))
        box->setText(*name);
}

void ProgramParamsDialog::PickBackground(const BackgroundPicker& picker)
{
    if (const std::optional<QString> chosen =
            ChooseProjectFile(m_editor, this, {picker.Title, PlayerPictureFilter, true}))
        UseBackground(picker, *chosen);
}

void ProgramParamsDialog::UseBackground(const BackgroundPicker& picker, const QString& file)
{
    // A missing file is told before any conversion is offered.
    const std::optional<QString> usable = QFileInfo::exists(file) ? OfferPlayerPicture(m_editor, this, file) : file;
    // Declining the conversion is a cancel: nothing changes.
    if (!usable)
        return;
    const QString name = StoredProjectName(m_editor, *usable);
    // A picture that is missing or cannot be decoded stops here, before the field changes.
    const std::optional<QImage> picture = LoadBackgroundPicture(m_editor, this, name);
    const bool isMain = picker.Target == &MenuProject::NormalPicture;
    if (picture) {
        picker.Box->setText(name);
        m_opened.Replaced = true;
        m_editor.Project().*picker.Target = *picture;
        if (isMain)
            ShowMainBackground(*picture);
    }
    m_editor.RedrawCanvas();
    // Asked over the new background; the mask is written at once, as the mask maker's is.
    if (picture && isMain)
        OfferAlphaMask(m_editor, this, file);
}

void ProgramParamsDialog::ShowMainBackground(const QImage& picture)
{
    m_editor.Canvas().ReplaceWith(picture);
    m_editor.PublishCanvas();
    m_ui->SizeXEdit->setText(QString::number(picture.width()));
    m_ui->SizeYEdit->setText(QString::number(picture.height()));
    m_editor.SetDesignSize(picture.width(), picture.height());
}

void ProgramParamsDialog::reject()
{
    if (CodePage::Name() != m_openedCodePage)
        CodePage::Select(m_openedCodePage);
    if (m_opened.Replaced)
        Handle([this] { PutBackPictures(); });
    QDialog::reject();
}

void ProgramParamsDialog::PutBackPictures()
{
    MenuProject& project = m_editor.Project();
    for (size_t i = 0; i < BackgroundTargets.size(); ++i)
        project.*BackgroundTargets[i] = m_opened.Pictures[i];
    m_opened.Replaced = false;
    if (project.Main.UseCustomShape != m_opened.UseCustomShape) {
        project.Main.UseCustomShape = m_opened.UseCustomShape; // unticked for a mask from a picture's alpha
        m_editor.ProjectFlagsChanged();
    }
    m_editor.SetDesignSize(project.Main.SizeX, project.Main.SizeY);
    m_editor.RedrawCanvas();
}

void ProgramParamsDialog::OpenHomePage()
{
    if (m_urlOpener(HomePage))
        return;
    const QString command = QStringLiteral("START \"") + HomePage + u'"';
    m_editor.Dialogs().ShowError(this, QStringLiteral("Program ") + command + QStringLiteral(" nebyl nalezen"),
                                 QStringLiteral("Chyba"));
}

bool ProgramParamsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // The spin edit itself does not count these as leaving the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (watched == m_ui->SizeXEdit)
                RestoreEmptySize(m_ui->SizeXEdit, m_editor.Project().Main.SizeX);
            else if (watched == m_ui->SizeYEdit)
                RestoreEmptySize(m_ui->SizeYEdit, m_editor.Project().Main.SizeY);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProgramParamsDialog::RestoreEmptySize(QLineEdit* field, int projectValue)
{
    if (field->text().isEmpty())
        field->setText(QString::number(projectValue));
}
