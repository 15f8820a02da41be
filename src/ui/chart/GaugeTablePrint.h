#pragma once
// The printed gauge table, the same on paper and in a PDF: a first page
// with the title lines and the chart, then the table, its header repeated
// at the top of every page. Pages are A4 portrait with 15 mm margins and
// rows 5 mm high, so a page holds 52 rows under its header.

#include <QRectF>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

inline constexpr double kPrintMarginMm = 15;
inline constexpr double kPrintRowHeightMm = 5;

struct PrintedGaugeTable
{
    QStringList titleLines; // the first is the heading
    QStringList header;
    int rowCount = 0;
    std::function<QStringList(int)> row; // row i's cells as shown
    std::function<void(QPainter&, const QRectF&)> drawChart;
    bool rightToLeft = false; // columns and text run from the right
};

// Sets the page layout on `device` and paints every page. False when the
// device cannot be painted on.
bool PrintGaugeTable(QPagedPaintDevice& device, const PrintedGaugeTable& table);

// The number of table rows one page holds under its header.
int PrintedRowsPerPage(QPagedPaintDevice& device);
