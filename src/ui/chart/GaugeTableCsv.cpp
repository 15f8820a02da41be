#include "ui/chart/GaugeTableCsv.h"

#include "calc/Units.h"
#include "nls/NumberText.h"

QByteArray GaugeTableCsv(const std::vector<tankora::GaugeRow>& rows, const std::string& heightUnit,
    const std::string& volumeUnit)
{
    std::string csv = "height [" + heightUnit + "],volume [" + volumeUnit + "],fill [%]\n";
    csv.reserve(csv.size() + rows.size() * 32);
    for (const tankora::GaugeRow& row : rows) {
        csv += tankora::FormatDecimals(tankora::MetresToLength(heightUnit, row.height), 4, '.');
        csv += ',';
        csv += tankora::FormatDecimals(
            tankora::CubicMetresToVolume(volumeUnit, row.volume), 4, '.');
        csv += ',';
        csv += tankora::FormatDecimals(row.fillPercent, 4, '.');
        csv += '\n';
    }
    return QByteArray::fromStdString(csv);
}
