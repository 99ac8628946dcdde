#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>

// A horizontal progress bar whose filled part runs from FromColor to ToColor,
// with a text centred over the whole bar. It is composed off-screen and copied
// in one step, so changing the progress does not flicker.
class TProgress : public QWidget {
    Q_OBJECT
public:
    explicit TProgress(QWidget* parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    void SetBackColor(const QColor& color);
    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    QColor FromColor() const { return m_fromColor; }
    void SetFromColor(const QColor& color);
    int Progress() const { return m_progress; }
    // A value above 100, or the present one, is ignored; any other is painted at once.
    void SetProgress(int progress);
    QString Text() const { return m_text; }
    void SetText(const QString& text);
    QFont TextFont() const { return m_textFont; }
    void SetTextFont(const QFont& font);
    // 0x00BBGGRR, or a system colour (0x80000000 + index) resolved through the palette.
    uint32_t TextColor() const { return m_textColor; }
    void SetTextColor(uint32_t color);
    QColor ToColor() const { return m_toColor; }
    void SetToColor(const QColor& color);

    // The bar as it is painted, W x H.
    QImage Compose() const;

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void DrawGradient(QImage& image) const;
    void DrawText(QImage& image) const;
    void SetColor(QColor& member, const QColor& color);

    QColor m_backColor = QColor(255, 255, 255);
    QColor m_borderColor = QColor(0, 0, 0);
    QColor m_fromColor = QColor(0, 255, 0);
    int m_progress = 0;
    QString m_text;
    QFont m_textFont;
    uint32_t m_textColor = 0;
    QColor m_toColor = QColor(255, 0, 0);
};
