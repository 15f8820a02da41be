#include "TableCommand.h"

#include "CliOutput.h"
#include "QuantityArg.h"
#include "UsageError.h"
#include "calc/GaugeTable.h"
#include "calc/Units.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <ostream>
#include <vector>

using namespace tankora;

namespace {

using TextRow = std::array<std::string, 3>;

void PrintCsv(std::ostream& out, const TextRow& header, const std::vector<TextRow>& rows)
{
    out << header[0] << ',' << header[1] << ',' << header[2] << '\n';
    for (const TextRow& row : rows)
        out << row[0] << ',' << row[1] << ',' << row[2] << '\n';
}

// Right-aligned columns, two blanks apart, as wide as their widest text.
void PrintAligned(std::ostream& out, const TextRow& header, const std::vector<TextRow>& rows)
{
    std::array<std::size_t, 3> widths {};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = header[c].size();
        for (const TextRow& row : rows)
            widths[c] = std::max(widths[c], row[c].size());
    }
    const auto printRow = [&](const TextRow& row) {
        for (std::size_t c = 0; c < row.size(); ++c)
            out << (c ? "  " : "") << std::setw(static_cast<int>(widths[c])) << row[c];
        out << '\n';
    };
    printRow(header);
    for (const TextRow& row : rows)
        printRow(row);
}

} // namespace

int RunTable(const TableRequest& request, std::ostream& out)
{
    const TankState tank = ReadTank(request.tank);
    const VolumeMethod method = ResolveMethod(tank, request.method, request.methodGiven);
    RequireUnit("--unit", request.volumeUnit, QuantityKind::Volume);
    RequireUnit("--height-unit", request.heightUnit, QuantityKind::Length);
    if (request.rows < 1 || request.rows > kMaxGaugeSteps)
        throw UsageError("--rows must lie between 1 and " + std::to_string(kMaxGaugeSteps));
    const std::string heightUnit(ResultLengthUnitFor(request.heightUnit));

    CliMessages messages;
    const auto table = GaugeTable(tank, request.rows, method);
    if (!table) {
        messages.Show(MessageKind::Warning, kCheckInputsText);
        if (request.format == TableFormat::Json)
            out << "[]\n";
        return 1;
    }

    if (request.format == TableFormat::Json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const GaugeRow& row : *table) {
            json.push_back({ { "height", MetresToLength(heightUnit, row.height) },
                { "volume", CubicMetresToVolume(request.volumeUnit, row.volume) },
                { "fill", row.fillPercent } });
        }
        out << json.dump(2) << '\n';
        return 0;
    }

    std::vector<TextRow> rows;
    rows.reserve(table->size());
    for (const GaugeRow& row : *table) {
        rows.push_back({ FormatFixed4(MetresToLength(heightUnit, row.height)),
            FormatFixed4(CubicMetresToVolume(request.volumeUnit, row.volume)),
            FormatFixed4(row.fillPercent) });
    }
    if (request.format == TableFormat::Csv) {
        PrintCsv(out,
            { "height [" + heightUnit + "]", "volume [" + request.volumeUnit + "]", "fill [%]" },
            rows);
    } else {
        PrintAligned(out,
            { "Height [" + heightUnit + "]", "Volume [" + request.volumeUnit + "]", "Fill [%]" },
            rows);
    }
    return 0;
}
