#pragma once
#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

enum TEdgeType {
    mpsSunkenOuter,
    mpsRaisedInner,
    mpsSunkenInner,
    mpsRaisedOuter,
    mpsBump,
    mpsBigBump,
    mpsEtched,
    mpsRaised,
    mpsSunken,
};

// The flat border of an edit: two button-face frames at rest, the EdgeType edge
// while the control has the focus or the mouse. It watches the control's events
// and paints its border over the control's own frame after the control has
// painted itself; the control's own painting is left as it is.
class TOffice2000Look : public QObject {
    Q_OBJECT
public:
    explicit TOffice2000Look(QObject* owner = nullptr);
    ~TOffice2000Look() override;

    QWidget* Office2000() const { return m_control; }
    // Attaches to the control (none detaches); the control's colour at this
    // moment becomes the normal colour it gets back whenever it is enabled.
    void SetOffice2000(QWidget* control);
    TEdgeType EdgeType() const { return m_edgeType; }
    void SetEdgeType(TEdgeType type);
    bool Hot() const { return m_hot; }
    QColor NormalColor() const { return m_normalColor; }

    // The background colour of an edit control.
    static QColor ControlColor(const QWidget* control);
    static void SetControlColor(QWidget* control, const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Detach();
    void UpdateColor();
    void PaintControlAndBorder(QEvent* paint);
    void DrawBorder();

    QPointer<QWidget> m_control;
    TEdgeType m_edgeType = mpsSunkenOuter;
    bool m_hot = false;
    bool m_painting = false;
    QColor m_normalColor;
};
