#pragma once
#include <QImage>
#include <QWidget>

// Shows a picture at its real size and reports the mouse on it in picture
// pixels. The picture is owned elsewhere; call ShowPicture after changing it.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Shows `picture` (kept by pointer) and takes its size.
    void ShowPicture(const QImage* picture);
    // A window size that shows the picture whole beside `controls`, as far as the screen allows.
    QSize WindowSizeFor(const QSize& controls) const;

signals:
    void Pressed(QPoint at);
    void Moved(QPoint at);
    void Released(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* m_picture = nullptr;
};
