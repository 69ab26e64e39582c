#pragma once

#include <QPointF>
#include <QSizeF>
#include <QWidget>

namespace reports {

class ReportPages;

// The paper on screen: one page of a report on a white sheet of the full
// paper size, drawn at the scale the zoom gives. The sheet is exactly the
// paper; its edge and shadow belong to the desk it lies on.
class PreviewSheet : public QWidget {
    Q_OBJECT
public:
    // `paper`: the whole paper, `margins`: where the printable area starts
    // on it, both in the pixels of the pages' layout device.
    PreviewSheet(ReportPages &pages, const QSizeF &paper, const QPointF &margins, QWidget *parent);

    void showPage(int page);
    // Screen pixels for one pixel of the layout; the sheet takes the size of the paper so scaled.
    void setScale(double scale);

signals:
    // A page has been painted on screen.
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ReportPages &m_pages;
    QSizeF m_paper;
    QPointF m_margins;
    double m_scale = 1;
    int m_page = 0;
};

// The grey ground of the page area: the sheet in its middle with room all
// round, a thin edge and a shadow. It grows past the page area when the
// sheet does, so that the page area scrolls.
class PreviewDesk : public QWidget {
    Q_OBJECT
public:
    static constexpr int Room = 24;

    PreviewDesk(PreviewSheet *sheet, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PreviewSheet *m_sheet;
};

} // namespace reports
