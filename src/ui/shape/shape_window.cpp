#include "ui/shape/shape_window.h"

#include "platform/vyx_error.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui_shape_window.h"

#include <limits>

namespace {

QString PointText(const ShapePoint& point) { return QStringLiteral("%1, %2").arg(point.X).arg(point.Y); }

// The edit's text as a whole number; an empty text counts as 0.
int32_t WholeNumber(const QString& text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int32_t value = text.toInt(&ok, 10);
    if (!ok)
        ThrowNotValidInteger(text);
    return value;
}

} // namespace

ShapeWindow::ShapeWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::ShapeWindow>()), m_editor(editor),
      m_design(editor.Project().Shape, *this)
{
    m_ui->setupUi(this);
    m_title = windowTitle();
    // One range for both, wide enough for every point a file may store.
    for (TSuperSpinEditI* edit : {m_ui->X, m_ui->Y}) {
        edit->SetMinValue(std::numeric_limits<int>::min());
        edit->SetMaxValue(std::numeric_limits<int>::max());
    }
    Connect();
    ShapeBackgroundChanged();
    FillPointList();
}

ShapeWindow::~ShapeWindow() = default;

template <typename F>
void ShapeWindow::Handle(F&& handler)
{
    Guarded(m_editor.Dialogs(), this, std::forward<F>(handler));
    m_ui->Image->update();
}

template <typename F>
void ShapeWindow::Command(const QString& label, F&& handler)
{
    {
        const GestureHold hold = m_editor.HoldGestures();
        Handle(std::forward<F>(handler));
    }
    m_editor.EndGesture(label);
}

void ShapeWindow::Connect()
{
    ConnectPicture();
    connect(m_ui->AddPoint, &QPushButton::clicked, this,
            [this] { Command(QStringLiteral("Add point"), [this] { m_design.AddPointCommand(); }); });
    connect(m_ui->ArrayList, &QPushButton::clicked, this, [this] { Handle([this] { m_design.ArrayList(); }); });
    connect(m_ui->PressList, &QPushButton::clicked, this,
            [this] { Command(QStringLiteral("Compact"), [this] { PressList(); }); });
    connect(m_ui->Del, &QPushButton::clicked, this,
            [this] { Command(QStringLiteral("Delete point"), [this] { Delete(); }); });
    connect(m_ui->ClearList, &QPushButton::clicked, this,
            [this] { Command(QStringLiteral("Clear list"), [this] { ClearList(); }); });
    connect(m_ui->Redraw, &QPushButton::clicked, this, [this] { Handle([this] { Redraw(); }); });
    connect(m_ui->PointList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Handle([this, item] { RowClick(item); }); });
    ConnectCoordinate(m_ui->X, &ShapeDesign::SetSelectedX);
    ConnectCoordinate(m_ui->Y, &ShapeDesign::SetSelectedY);
}

void ShapeWindow::ConnectPicture()
{
    connect(m_ui->Image, &PictureView::Pressed, this, [this](QPoint at) { Handle([this, at] { Press(at); }); });
    connect(m_ui->Image, &PictureView::Moved, this, [this](QPoint at) { Handle([this, at] { Move(at); }); });
    // A point placed or dragged is one step.
    connect(m_ui->Image, &PictureView::Released, this,
            [this](QPoint at) { Command(QStringLiteral("Shape points"), [this, at] { m_design.Release(at); }); });
}

void ShapeWindow::ConnectCoordinate(TSuperSpinEditI* edit, void (ShapeDesign::*store)(int32_t))
{
    connect(edit, &QLineEdit::textChanged, this,
            [this, store](const QString& text) { Handle([&] { CoordinateChanged(text, store); }); });
}

void ShapeWindow::ShowShapeWindow()
{
    show();
    raise();
    activateWindow();
}

void ShapeWindow::HideShapeWindow() { hide(); }

bool ShapeWindow::IsShown() const { return isVisible(); }

void ShapeWindow::FillPointList()
{
    // The table was compacted, cleared or loaded: the old lines and the old
    // slot no longer match it.
    m_design.ErasePreview();
    m_design.Deselect();
    const CustomShape& shape = m_editor.Project().Shape;
    m_ui->PointList->clear();
    for (const ShapePoint& point : shape.Points) {
        auto* row = new QListWidgetItem(PointText(point), m_ui->PointList);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(point.State == ShapePointState::Used ? Qt::Checked : Qt::Unchecked);
    }
    ShowSelection();
    if (shape.PointCount < CustomShape::Capacity)
        setWindowTitle(m_title);
    m_ui->Image->update();
}

void ShapeWindow::ShowSelection()
{
    const int index = m_design.SelectedIndex();
    const bool selected = index != ShapeDesign::NoSelection;
    m_ui->PointGroup->setEnabled(selected);
    if (!selected) {
        FillCoordinates(QString(), QString());
        m_ui->PointGroup->setTitle(QStringLiteral("Point [..] "));
        return;
    }
    const ShapePoint point = m_editor.Project().Shape.Points[index];
    FillCoordinates(QString::number(point.X), QString::number(point.Y));
    m_ui->PointGroup->setTitle(QStringLiteral("Point [%1]").arg(index));
}

void ShapeWindow::FillCoordinates(const QString& x, const QString& y)
{
    m_filling = true;
    m_ui->X->setText(x);
    m_ui->Y->setText(y);
    m_filling = false;
}

void ShapeWindow::ShapeBackgroundChanged()
{
    const MainParams& main = m_editor.Project().Main;
    m_design.SetBackground(m_editor.ShapePicture(), main.SizeX, main.SizeY);
    ShowPicture();
    resize(m_ui->Image->WindowSizeFor(QSize(m_ui->GroupBox1->maximumWidth(), m_ui->PolyEdit->maximumHeight())));
}

void ShapeWindow::ShowPicture()
{
    m_ui->Image->ShowPicture(&m_design.Picture());
}

void ShapeWindow::ShowPointRow(int slot)
{
    QListWidgetItem* row = m_ui->PointList->item(slot);
    row->setText(PointText(m_editor.Project().Shape.Points[slot]));
    row->setCheckState(Qt::Checked);
}

void ShapeWindow::PointAdded(int count) { m_ui->AddPoint->setText(QStringLiteral("&Add Point %1").arg(count)); }

void ShapeWindow::PointLimitReached()
{
    setWindowTitle(QStringLiteral("Sorry, max %1 allowed").arg(CustomShape::Capacity));
}

void ShapeWindow::Press(QPoint at)
{
    const QPoint before = m_design.Anchor();
    m_ui->OrigLabel->setText(QStringLiteral("Orig: %1, %2").arg(before.x()).arg(before.y()));
    m_design.Press(at);
}

void ShapeWindow::Move(QPoint at)
{
    m_design.Move(at);
    const QPoint last = m_design.LastPosition();
    m_ui->CurrLabel->setText(QStringLiteral("Curr: %1, %2").arg(last.x()).arg(last.y()));
}

void ShapeWindow::RowClick(QListWidgetItem* item)
{
    // Showing the point stores nothing: a click on an unchecked row's box must not check it again.
    m_design.Select(m_ui->PointList->row(item));
    ShowSelection();
}

void ShapeWindow::CoordinateChanged(const QString& text, void (ShapeDesign::*store)(int32_t))
{
    if (m_filling)
        return;
    // Read before anything is drawn, so a refused text leaves the picture as it was.
    const int32_t value = WholeNumber(text);
    (m_design.*store)(value);
}

PointChecks ShapeWindow::Checks() const
{
    PointChecks checks{};
    for (int i = 0; i < CustomShape::Capacity && i < m_ui->PointList->count(); ++i)
        checks[i] = m_ui->PointList->item(i)->checkState() == Qt::Checked;
    return checks;
}

void ShapeWindow::ShowCompacted(int ripped)
{
    m_ui->PressList->setText(QStringLiteral("Ripped %1").arg(ripped));
    FillPointList();
}

void ShapeWindow::PressList() { ShowCompacted(m_design.CompactPointList(Checks())); }

void ShapeWindow::Delete() { ShowCompacted(m_design.DeleteSelected(Checks())); }

void ShapeWindow::ClearList()
{
    // A full table is a lot of clicks to lose.
    if (m_editor.Project().Shape.PointCount >= CustomShape::Capacity &&
        m_editor.Dialogs().Ask(this, QStringLiteral("Clear all %1 points?").arg(CustomShape::Capacity),
                               QStringLiteral("Clear list"), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_design.ClearList();
    FillPointList();
}

void ShapeWindow::Redraw()
{
    const MenuProject& project = m_editor.Project();
    m_design.SetBackground(project.NormalPicture, project.Main.SizeX, project.Main.SizeY);
    ShowPicture();
}
