#include "ui/chart/GaugeTablePrint.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

double Pixels(const QPagedPaintDevice& device, double mm)
{
    return mm * device.logicalDpiY() / 25.4;
}

void SetPageLayout(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
        QPageLayout::Millimeter));
}

// The page's printable area in device pixels.
QRectF Paintable(const QPagedPaintDevice& device)
{
    return QRectF(0, 0, device.width(), device.height());
}

int RowsPerPage(const QPagedPaintDevice& device)
{
    const double lines
        = std::floor(Paintable(device).height() / Pixels(device, kPrintRowHeightMm) + 1e-9);
    return std::max(1, int(lines) - 1);
}

// One line of cells in equal columns, right-aligned (left-aligned mirrored).
// `padding` keeps a number off the next column.
void DrawCells(QPainter& painter, const QRectF& line, const QStringList& cells, bool rightToLeft,
    double padding)
{
    const double width = line.width() / static_cast<double>(std::max<qsizetype>(1, cells.size()));
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const double x = rightToLeft ? line.right() - (static_cast<double>(i) + 1) * width
                                     : line.left() + static_cast<double>(i) * width;
        const QRectF cell(x, line.top(), width - padding, line.height());
        painter.drawText(
            cell, int(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute), cells.at(i));
    }
}

} // namespace

int PrintedRowsPerPage(QPagedPaintDevice& device)
{
    SetPageLayout(device);
    return RowsPerPage(device);
}

bool PrintGaugeTable(QPagedPaintDevice& device, const PrintedGaugeTable& table)
{
    SetPageLayout(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setLayoutDirection(table.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const QRectF page = Paintable(device);
    const int textAlign = int(Qt::AlignLeading | Qt::AlignTop | Qt::TextWordWrap);

    // The title page: heading, the tank's lines, the chart below them.
    QFont font = painter.font();
    font.setPointSizeF(14);
    font.setBold(true);
    painter.setFont(font);
    double top = page.top();
    for (qsizetype i = 0; i < table.titleLines.size(); ++i) {
        if (i == 1) {
            font.setPointSizeF(10);
            font.setBold(false);
            painter.setFont(font);
        }
        const QRectF room(page.left(), top, page.width(), page.bottom() - top);
        const QRectF used = painter.boundingRect(room, textAlign, table.titleLines.at(i));
        painter.drawText(room, textAlign, table.titleLines.at(i));
        top += used.height() + Pixels(device, i == 0 ? 3 : 1);
    }
    top += Pixels(device, 5);
    if (table.drawChart) {
        const double height = std::min(page.bottom() - top, page.width() * 0.75);
        table.drawChart(painter, QRectF(page.left(), top, page.width(), height));
    }

    // The table, a header on every page.
    font.setPointSizeF(9);
    const QFont cellFont = font;
    QFont headerFont = font;
    headerFont.setBold(true);
    const double rowHeight = Pixels(device, kPrintRowHeightMm);
    const int perPage = RowsPerPage(device);
    const double padding = Pixels(device, 2);
    for (int first = 0; first < table.rowCount; first += perPage) {
        if (!device.newPage())
            return false;
        double y = page.top();
        painter.setFont(headerFont);
        DrawCells(painter, QRectF(page.left(), y, page.width(), rowHeight), table.header,
            table.rightToLeft, padding);
        painter.drawLine(QPointF(page.left(), y + rowHeight), QPointF(page.right(), y + rowHeight));
        painter.setFont(cellFont);
        const int last = std::min(table.rowCount, first + perPage);
        for (int r = first; r < last; ++r) {
            y += rowHeight;
            DrawCells(painter, QRectF(page.left(), y, page.width(), rowHeight), table.row(r),
                table.rightToLeft, padding);
        }
    }
    return painter.end();
}
