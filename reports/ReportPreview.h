#pragma once

#include <QBuffer>
#include <QDialog>
#include <QSizeF>
#include <QTimer>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPdfWriter;
class QScrollArea;
class QToolButton;
class QWheelEvent;

namespace data {
struct ReportDefinition;
}

namespace reports {

class PreviewRuler;
class PreviewSheet;
class ReportPages;
class ReportRows;

// The print preview of one report, titled "Talvero CRM": one page at a time
// on the report's paper, at the paper's real size to begin with, with rulers
// in centimetres along the top and the left of the page area.
//
// The mouse wheel scrolls a page larger than its area and turns to the next
// page past its foot (to the previous past its head, arriving at its foot);
// PgDn and PgUp turn a page at once.
//
// Pages are laid out as they are viewed: opening lays out the first page
// only. Once the window shows, the rest are laid out a few at a time from
// the event loop while the status line tells which, until the number of
// pages is known; going to the last page, or to one typed in, lays out up to
// there at once.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    // `rows` is read while the window lives; `print` is what "打印" does.
    ReportPreview(const data::ReportDefinition &definition, const ReportRows &rows, const QString &date,
                  std::function<void()> print, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Shows the window maximized (filling the screen where no window
    // manager maximizes it) and runs it modally.
    int run();

    // The page shown, from 0.
    int currentPage() const { return m_current; }
    // Shows a page (from 0), laying out the pages before it as needed; one
    // past the end shows the last.
    void showPage(int page);
    int pagesLaidOut() const;
    bool complete() const;
    // Shows the pages at a zoom of the drop-down, in per cent of the real size.
    void setZoom(int percent);
    // Screen pixels per millimetre of paper at the zoom shown.
    double pixelsPerMm() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLayout();
    void connectActions();
    QToolButton *toolButton(const QString &name, const QString &caption, const QString &hint);
    // Lays out the next few pages in the background.
    void layOutSlice();
    // The counts, the status line and the buttons after pages were laid out or shown.
    void showProgress();
    void goToTypedPage();
    // Shows the page `by` pages on, if there is one.
    void stepPage(int by);
    // A wheel turned over the page area: true when it turned a page (or is
    // on its way to), false when it is left to scroll the page.
    bool wheelTurnsPage(const QWheelEvent &wheel);
    // Sizes the sheet and the rulers for the zoom chosen, on the screen the window is on.
    void applyZoom();

    std::function<void()> m_print;
    QBuffer m_buffer; // where the layout device would write; never written
    std::unique_ptr<QPdfWriter> m_device;
    std::unique_ptr<ReportPages> m_pages;
    QSizeF m_paperMm;
    double m_pixelsPerMm = 1;
    int m_current = 0;
    bool m_totalShown = false;
    int m_wheelTurned = 0; // wheel turned past the page's end, towards a page turn
    QTimer m_slices;

    QToolButton *m_printButton = nullptr;
    QToolButton *m_first = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_last = nullptr;
    QToolButton *m_close = nullptr;
    QLineEdit *m_pageEdit = nullptr;
    QLabel *m_pageCount = nullptr;
    QComboBox *m_zoom = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewSheet *m_sheet = nullptr;
    PreviewRuler *m_horizontalRuler = nullptr;
    PreviewRuler *m_verticalRuler = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace reports
