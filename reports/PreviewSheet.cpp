#include "PreviewSheet.h"

#include "ReportPages.h"

#include <QGridLayout>
#include <QPainter>
#include <cmath>

namespace reports {

PreviewSheet::PreviewSheet(ReportPages &pages, const QSizeF &paper, const QPointF &margins, QWidget *parent)
    : QWidget(parent), m_pages(pages), m_paper(paper), m_margins(margins)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(1);
}

void PreviewSheet::showPage(int page)
{
    m_page = page;
    update();
}

void PreviewSheet::setScale(double scale)
{
    m_scale = scale;
    setFixedSize(std::max(1, int(std::lround(m_paper.width() * scale))),
                 std::max(1, int(std::lround(m_paper.height() * scale))));
    update();
}

void PreviewSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(m_scale, m_scale);
    painter.translate(m_margins);
    m_pages.paintPage(painter, m_page);
    painter.end();
    emit painted();
}

PreviewDesk::PreviewDesk(PreviewSheet *sheet, QWidget *parent) : QWidget(parent), m_sheet(sheet)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(Room, Room, Room, Room);
    layout->addWidget(sheet, 0, 0, Qt::AlignCenter);
}

void PreviewDesk::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QRect paper = m_sheet->geometry();
    painter.fillRect(paper.translated(4, 4), QColor(64, 64, 64));
    painter.setPen(Qt::black);
    painter.drawRect(paper.adjusted(-1, -1, 0, 0));
}

} // namespace reports
