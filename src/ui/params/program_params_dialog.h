#pragma once
#include "ui/core/file_picker.h"
#include "ui/core/window_views.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>

class Editor;
class ExtActionsTab;
class MenuProject;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class TSRGradient;

namespace Ui {
class ProgramParamsDialog;
}

// "Program Parameters:": edits copies of the program-wide values and copies
// them back on "OK". Picked background pictures and the extension list take
// effect at once and survive "Cancel". Created once and reused, so controls
// the fill does not set keep their state between openings.
class ProgramParamsDialog : public QDialog, public ParamsDialogView {
    Q_OBJECT
public:
    static constexpr int ExtensionsPage = 5;
    static const QString Version;
    static const QString HomePage;

    // Opens a web address; false when nothing could open it.
    using UrlOpener = std::function<bool(const QString& address)>;

    explicit ProgramParamsDialog(Editor& editor, QWidget* parent = nullptr);
    ~ProgramParamsDialog() override;

    // ParamsDialogView
    void OpenParams(int page) override;

    void FillParamsDialog();
    // "OK" without closing: copies the controls into the project in the fixed order.
    void ApplyParams();
    void OpenHomePage();
    void SetUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

    // "Cancel", Esc and the close box: also puts back the pictures picked since the opening.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One animation group: its box, the four direction buttons (1 Top .. 4 Right),
    // the separate caption of "Right" and the speed.
    struct AnimationGroup {
        QCheckBox* Box;
        std::array<QRadioButton*, 4> Directions;
        QLabel* RightCaption;
        QSlider* Speed;
    };
    // The three pictures as they were when the dialog opened, and the shape
    // choice a mask made from a picked background changes.
    struct OpenedPictures {
        std::array<QImage, 3> Pictures;
        bool UseCustomShape = false;
        bool Replaced = false;
    };
    // A background field: the picture it loads and whether it is the main one.
    struct BackgroundPicker {
        QLineEdit* Box;
        QString Title;
        QImage MenuProject::*Target;
    };

    void ConnectButtons();
    void ConnectPickers();
    void ConnectBackgroundPickers();
    void ConnectAnimation(const AnimationGroup& group);
    void FitTabs();
    void BuildAboutPage();
    void Handle(const std::function<void()>& handler);

    static void ShowDirections(const AnimationGroup& group, bool ticked);
    void FillAnimation(const AnimationGroup& group, int direction, int speed);
    void ApplyAnimation(const AnimationGroup& group, int32_t& direction, int32_t& speed);
    void ApplyDesignSize();
    void OkClick();
    void PickFile(QLineEdit* box, const FilePicker& picker);
    void PickBackground(const BackgroundPicker& picker);
    // What a picked background does, also for one dropped on its field (its absolute name).
    void UseBackground(const BackgroundPicker& picker, const QString& file);
    void ShowMainBackground(const QImage& picture);
    void PutBackPictures();
    void FillCodePages();
    // Shows the dialog's texts in another code page: their bytes stay as they are.
    void ShowInCodePage(const QString& name);
    // After OK: every window shows the stored texts in the chosen code page.
    void ApplyCodePage();
    // An emptied size field gets the project's value back before the spin edit's own rule.
    void RestoreEmptySize(QLineEdit* field, int projectValue);

    Editor& m_editor;
    std::unique_ptr<Ui::ProgramParamsDialog> m_ui;
    ExtActionsTab* m_extActions = nullptr;
    TSRGradient* m_gradient = nullptr;
    AnimationGroup m_animShow{};
    AnimationGroup m_animClose{};
    OpenedPictures m_opened;
    QString m_openedCodePage; // what Cancel puts back
    UrlOpener m_urlOpener;
};
