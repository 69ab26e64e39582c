#pragma once

#include <QWidget>

namespace reports {

// A ruler in centimetres along one edge of the preview's page area: a tick
// for every millimetre (fewer when they would run together), a longer one
// every 5 mm and a number every centimetre, counted from the paper's corner.
// It measures the sheet it is given wherever scrolling and zoom put it.
class PreviewRuler : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 24;

    // `sheet`: the paper on screen, in the same window as the ruler.
    PreviewRuler(Qt::Orientation orientation, QWidget *sheet, QWidget *parent);

    // The paper's length along the ruler, and how many pixels a millimetre
    // takes on screen at the zoom shown.
    void setScale(double lengthMm, double pixelsPerMm);
    double pixelsPerMm() const { return m_pixelsPerMm; }
    // Where the mark of a distance from the paper's corner stands, in the
    // ruler's own pixels along its length.
    double position(double mm) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The paper's corner along the ruler, in the ruler's pixels.
    double origin() const;
    bool horizontal() const { return m_orientation == Qt::Horizontal; }

    Qt::Orientation m_orientation;
    QWidget *m_sheet;
    double m_lengthMm = 0;
    double m_pixelsPerMm = 1;
};

} // namespace reports
