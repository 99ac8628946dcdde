#pragma once
#include "model/shape_design.h"
#include "ui/core/window_views.h"

#include <QWidget>
#include <memory>

class Editor;
class QListWidgetItem;
class TSuperSpinEditI;
namespace Ui {
class ShapeWindow;
}

// "D3siGN f0rM": the polygon outline of the player's window drawn over the
// background and edited point by point. Modeless; closing only hides it. The
// point table is the project's, edited in place.
class ShapeWindow : public QWidget, public ShapeWindowView, private ShapeDesignHost {
    Q_OBJECT
public:
    explicit ShapeWindow(Editor& editor, QWidget* parent = nullptr);
    ~ShapeWindow() override;

    // ShapeWindowView
    void ShowShapeWindow() override;
    void HideShapeWindow() override;
    bool IsShown() const override;
    void FillPointList() override;
    void ShapeBackgroundChanged() override;

    const ShapeDesign& Design() const { return m_design; }

private:
    // ShapeDesignHost
    void ShowPointRow(int slot) override;
    void PointAdded(int count) override;
    void PointLimitReached() override;

    void Connect();
    void ConnectPicture();
    void ConnectCoordinate(TSuperSpinEditI* edit, void (ShapeDesign::*store)(int32_t));
    template <typename F>
    void Handle(F&& handler);
    // A handler whose change is one step of the history.
    template <typename F>
    void Command(const QString& label, F&& handler);

    void Press(QPoint at);
    void Move(QPoint at);
    void RowClick(QListWidgetItem* item);
    void CoordinateChanged(const QString& text, void (ShapeDesign::*store)(int32_t));
    void PressList();
    void Delete();
    void ClearList();
    void Redraw();
    void ShowCompacted(int ripped);
    // The X and Y edits show the selected slot, or stay empty and closed to
    // typing while none is selected.
    void ShowSelection();
    // Puts texts into the X and Y edits without running their change handling.
    void FillCoordinates(const QString& x, const QString& y);
    PointChecks Checks() const;
    void ShowPicture();

    std::unique_ptr<Ui::ShapeWindow> m_ui;
    Editor& m_editor;
    ShapeDesign m_design;
    QString m_title;
    bool m_filling = false;
};
