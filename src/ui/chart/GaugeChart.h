#pragma once
// The fill curve: volume against height in the chosen units, the main
// window's liquid height marked by a vertical line, and a switchable second
// curve of the volume one unit of height is worth at each level (its own
// axis on the far side).
//
// The chart is never mirrored: height grows to the right and volume upward
// in every language, as plots are drawn in right-to-left scripts too.

#include "calc/GaugeTable.h"

#include <QChart>

#include <optional>
#include <string>
#include <vector>

class QLineSeries;
class QValueAxis;

class TGaugeChart : public QChart
{
    Q_OBJECT

public:
    TGaugeChart();

    // Draws the rows in the units (native names); `markedHeight` in m.
    void Show(const std::vector<tankora::GaugeRow>& rows, const std::string& heightUnit,
        const std::string& volumeUnit, std::optional<double> markedHeight);

    // Shows or hides the volume-per-height curve and its axis.
    void SetRateVisible(bool visible);
    bool RateVisible() const;

    QLineSeries* VolumeSeries() const { return m_volume; }
    QLineSeries* RateSeries() const { return m_rate; }
    QLineSeries* MarkSeries() const { return m_mark; }
    QValueAxis* HeightAxis() const { return m_heightAxis; }
    QValueAxis* VolumeAxis() const { return m_volumeAxis; }
    QValueAxis* RateAxis() const { return m_rateAxis; }

private:
    QLineSeries* m_volume;
    QLineSeries* m_rate;
    QLineSeries* m_mark;
    QValueAxis* m_heightAxis;
    QValueAxis* m_volumeAxis;
    QValueAxis* m_rateAxis;
};

// The volume per unit height at each row (volume unit per height unit): the
// slope of the curve through the neighbouring rows, one-sided at the ends.
// Empty for fewer than two rows.
std::vector<double> VolumePerHeight(
    const std::vector<double>& heights, const std::vector<double>& volumes);

// The scale of an axis from 0 that shows `high` at round values people read
// off a printed chart: four to eight steps of 1, 2, 2.5 or 5 times a power
// of ten, ending at the first step at or above `high`, and the decimals the
// step needs. (Qt's own rounding gives five ticks that can run to almost
// twice the data, and "%g" labels print 10,000 as "1e+04".) A `high` that is
// not positive gives the scale of 1.
struct AxisScale
{
    double top = 1;
    int steps = 1;
    int decimals = 0;
};
AxisScale RoundScale(double high);
