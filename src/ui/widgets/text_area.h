#pragma once
#include <QRect>
#include <QTextEdit>
#include <cstdint>

struct TextInfo;

// The help-text area laid over the canvas: shows a button's help file with the
// area's colours, as the player will.
class TextArea : public QTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent = nullptr);

    // Geometry, colours and visibility from the project's values.
    void ApplyGeometry(const TextInfo& info);
    // Over a zoomed canvas the area keeps its place on the menu (its text stays at its size).
    void SetScale(double scale);
    void ApplyColors(uint32_t background, uint32_t font);
    // Shows a stored file name; an unreadable file leaves the area as it was.
    void ShowFile(const QString& storedName);
    // What a freshly loaded project shows: its default file, else the
    // placeholder; never the text of the project before.
    void ShowStart(const QString& defaultFile);

    // The project's values say whether the area shows; View, Text area can hide
    // it besides, to see the canvas beneath, without changing the project.
    void setVisible(bool visible) override;
    void SetViewed(bool viewed);
    bool Viewed() const { return m_viewed; }

private:
    void PlaceScaled();

    QRect m_place; // menu pixels
    double m_scale = 1;
    bool m_wanted = false;
    bool m_viewed = true;
};
