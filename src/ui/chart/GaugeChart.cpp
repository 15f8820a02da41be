#include "ui/chart/GaugeChart.h"

#include "ui/chart/ChartTexts.h"

#include "calc/Units.h"
#include "nls/FormatSettings.h"

#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using tankora::chart::T;
using tankora::chart::Titled;

namespace {

// An axis from 0 on the scale RoundScale gives.
void SetRange(QValueAxis* axis, double high)
{
    const AxisScale scale = RoundScale(high);
    axis->setRange(0, scale.top);
    axis->setTickCount(scale.steps + 1);
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(scale.decimals) + u'f');
}

} // namespace

AxisScale RoundScale(double high)
{
    if (!(high > 0) || !std::isfinite(high))
        high = 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(high / 5)));
    double step = 10 * magnitude;
    for (const double multiple : { 1.0, 2.0, 2.5, 5.0 }) {
        if (high / (multiple * magnitude) <= 8) {
            step = multiple * magnitude;
            break;
        }
    }
    AxisScale scale;
    scale.steps = std::max(1, static_cast<int>(std::ceil(high / step - 1e-9)));
    scale.top = scale.steps * step;
    const auto whole = [](double x) { return std::abs(x - std::round(x)) <= 1e-6 * std::abs(x); };
    while (scale.decimals < 12 && !whole(step * std::pow(10.0, scale.decimals)))
        ++scale.decimals;
    return scale;
}

std::vector<double> VolumePerHeight(
    const std::vector<double>& heights, const std::vector<double>& volumes)
{
    const std::size_t n = std::min(heights.size(), volumes.size());
    std::vector<double> rates;
    if (n < 2)
        return rates;
    rates.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t before = i == 0 ? 0 : i - 1;
        const std::size_t after = i + 1 == n ? i : i + 1;
        const double rise = heights[after] - heights[before];
        rates.push_back(rise > 0 ? (volumes[after] - volumes[before]) / rise : 0.0);
    }
    return rates;
}

TGaugeChart::TGaugeChart()
    : m_volume(new QLineSeries(this))
    , m_rate(new QLineSeries(this))
    , m_mark(new QLineSeries(this))
    , m_heightAxis(new QValueAxis(this))
    , m_volumeAxis(new QValueAxis(this))
    , m_rateAxis(new QValueAxis(this))
{
    addSeries(m_volume);
    addSeries(m_mark);
    addAxis(m_heightAxis, Qt::AlignBottom);
    addAxis(m_volumeAxis, Qt::AlignLeft);
    for (QLineSeries* series : { m_volume, m_mark }) {
        series->attachAxis(m_heightAxis);
        series->attachAxis(m_volumeAxis);
    }

    QPen markPen(Qt::red);
    markPen.setStyle(Qt::DashLine);
    markPen.setWidth(2);
    m_mark->setPen(markPen);
    QPen ratePen(QColor(0, 128, 0));
    ratePen.setWidth(2);
    m_rate->setPen(ratePen);
    m_rateAxis->setLinePenColor(ratePen.color());
    m_rateAxis->setLabelsColor(ratePen.color());
    legend()->setAlignment(Qt::AlignBottom);
}

void TGaugeChart::Show(const std::vector<tankora::GaugeRow>& rows, const std::string& heightUnit,
    const std::string& volumeUnit, std::optional<double> markedHeight)
{
    std::vector<double> heights;
    std::vector<double> volumes;
    heights.reserve(rows.size());
    volumes.reserve(rows.size());
    for (const tankora::GaugeRow& row : rows) {
        heights.push_back(tankora::MetresToLength(heightUnit, row.height));
        volumes.push_back(tankora::CubicMetresToVolume(volumeUnit, row.volume));
    }
    const std::vector<double> rates = VolumePerHeight(heights, volumes);

    QList<QPointF> volumePoints;
    QList<QPointF> ratePoints;
    volumePoints.reserve(qsizetype(rows.size()));
    ratePoints.reserve(qsizetype(rates.size()));
    for (std::size_t i = 0; i < heights.size(); ++i)
        volumePoints.append(QPointF(heights[i], volumes[i]));
    for (std::size_t i = 0; i < rates.size(); ++i)
        ratePoints.append(QPointF(heights[i], rates[i]));
    // One replace per series: appending point by point redraws each time.
    m_volume->replace(volumePoints);
    m_rate->replace(ratePoints);

    const double fullHeight = heights.empty() ? 0 : heights.back();
    const double fullVolume = volumes.empty() ? 0 : volumes.back();
    SetRange(m_heightAxis, fullHeight);
    SetRange(m_volumeAxis, fullVolume);
    SetRange(m_rateAxis, rates.empty() ? 0 : *std::max_element(rates.begin(), rates.end()));

    QList<QPointF> mark;
    if (markedHeight) {
        const double x = tankora::MetresToLength(heightUnit, *markedHeight);
        mark = { QPointF(x, 0), QPointF(x, fullVolume) };
    }
    m_mark->replace(mark);
    m_mark->setVisible(markedHeight.has_value());

    // Axis labels with the decimal separator the table uses.
    const bool comma = tankora::ProcessFormatSettings().DecimalSeparator == ',';
    QLocale numbers = comma ? QLocale(QLocale::German) : QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(numbers);
    setLocalizeNumbers(true);

    const QString heightShown = T(heightUnit);
    const QString volumeShown = T(volumeUnit);
    m_heightAxis->setTitleText(Titled(T("Height"), heightUnit));
    m_volumeAxis->setTitleText(Titled(T("Volume"), volumeUnit));
    m_rateAxis->setTitleText(T("Volume per unit height") + QStringLiteral(" [") + volumeShown + u'/'
        + heightShown + u']');
    m_volume->setName(T("Volume"));
    m_rate->setName(T("Volume per unit height"));
    m_mark->setName(T("Current height"));
}

void TGaugeChart::SetRateVisible(bool visible)
{
    if (visible == RateVisible())
        return;
    // Added and removed rather than hidden: a hidden axis still takes its
    // room and its legend entry stays behind.
    if (visible) {
        addSeries(m_rate);
        addAxis(m_rateAxis, Qt::AlignRight);
        m_rate->attachAxis(m_heightAxis);
        m_rate->attachAxis(m_rateAxis);
    } else {
        removeSeries(m_rate);
        removeAxis(m_rateAxis);
        // Both stay this chart's children, to be added again.
        m_rate->setParent(this);
        m_rateAxis->setParent(this);
    }
}

bool TGaugeChart::RateVisible() const
{
    return series().contains(m_rate);
}
