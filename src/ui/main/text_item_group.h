#pragma once
#include <QGroupBox>
#include <cstdint>

struct TextInfo;
class Editor;
class QCheckBox;
class QToolButton;
class TextArea;
class TSuperSpinEditI;

// "Text Item...": places, sizes, hides and colours the text area; every change
// goes into the project's TextInfo at once.
class TextItemGroup : public QGroupBox {
    Q_OBJECT
public:
    TextItemGroup(Editor& editor, TextArea& area, QWidget* parent = nullptr);

    // Loading: the area takes the project's values, then the boxes show them.
    void ShowTextInfo();
    void ShowDisableSelText();

private:
    TSuperSpinEditI* PlaceSpin(const QString& name, const QRect& geometry, int minValue, int maxValue);
    QToolButton* PlaceColorButton(const QString& name, const QString& caption, const QRect& geometry);
    void BuildControls();
    void Connect();
    void XChanged(const QString& text);
    void SizeChanged(int32_t TextInfo::*field, const QString& text);
    void PickColor(QToolButton* button, uint32_t TextInfo::*field);
    void ShowCaptionColor(QToolButton* button, uint32_t color);
    void ApplyToArea();

    Editor& m_editor;
    TextArea& m_area;
    TSuperSpinEditI* m_x = nullptr;
    TSuperSpinEditI* m_y = nullptr;
    TSuperSpinEditI* m_height = nullptr;
    TSuperSpinEditI* m_width = nullptr;
    QToolButton* m_bgColor = nullptr;
    QToolButton* m_textColor = nullptr;
    QCheckBox* m_disablePointer = nullptr;
};
