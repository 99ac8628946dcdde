#pragma once
#include "model/mask_maker.h"
#include "ui/core/window_views.h"

#include <QDialog>
#include <memory>

class Editor;
namespace Ui {
class MaskForm;
}

// "MaskForm": builds the player's window region from a picture (every pixel
// not close to the mask colour is opaque) and saves it as the project's ".msk"
// file. Modal; its pictures, colour, tolerance and region stay between openings.
class MaskForm : public QDialog, public MaskMakerView {
    Q_OBJECT
public:
    explicit MaskForm(Editor& editor, QWidget* parent = nullptr);
    ~MaskForm() override;

    // MaskMakerView
    void UsePicture(const QImage& picture) override;
    void ShowMaskMaker() override;
    void HideMaskMaker() override;
    bool IsShown() const override;

    const MaskMaker& Maker() const { return m_maker; }

private:
    void Connect();
    template <typename F>
    void Handle(F&& handler);

    // A new source picture: shown whole, and the last build's status no longer applies.
    void SourceChanged();
    // The dialog takes the picture's size beside its controls, as far as the screen allows.
    void FitToPicture();
    void PickColor(QPoint at);
    void SelectMaskFile();
    void MakeMask();
    void SaveMask();
    // False when the user chose not to replace a read-only mask file.
    bool WriteMask();
    // A mask of another size than the menu leaves the player's window empty or cut.
    void WarnOfSizeMismatch();
    void Preview();
    void Restore();
    // Shows a text in the status label at once, without handling other events.
    void SetStatus(const QString& text);
    void ShowPicture();
    void ShowMaskColor();

    std::unique_ptr<Ui::MaskForm> m_ui;
    Editor& m_editor;
    MaskMaker m_maker;
};
