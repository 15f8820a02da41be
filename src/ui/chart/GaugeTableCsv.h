#pragma once
// The gauge table as a CSV file in the layout of `tankora-cli table --csv`:
// a header line "height [UNIT],volume [UNIT],fill [%]", one line per row,
// four decimals with "." whatever the locale, so that spreadsheets in every
// locale read the same numbers. UTF-8 (the unit names are ASCII).

#include "calc/GaugeTable.h"

#include <QByteArray>

#include <string>
#include <vector>

QByteArray GaugeTableCsv(const std::vector<tankora::GaugeRow>& rows, const std::string& heightUnit,
    const std::string& volumeUnit);
