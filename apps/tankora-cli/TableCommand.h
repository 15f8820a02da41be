#pragma once
// The table command: a gauge table of the tank in the chosen units.

#include "TankArgs.h"
#include "calc/VolumeMethod.h"

#include <iosfwd>
#include <string>

enum class TableFormat { Plain, Csv, Json };

struct TableRequest
{
    TankArgs tank;
    int rows = 100; // equal height steps from empty to full
    std::string volumeUnit = "m3";
    std::string heightUnit = "m";
    tankora::VolumeMethod method = tankora::VolumeMethod::Table;
    bool methodGiven = false; // --method was on the command line
    TableFormat format = TableFormat::Plain;
};

// Reads every argument first (throwing UsageError before anything is
// printed), then prints rows + 1 lines (CSV: after a header line) or a JSON
// array on `out`. When the tank fails the check, "Warning: Check your
// inputs" goes to stderr, JSON output is an empty array, and 1 is returned;
// otherwise 0.
int RunTable(const TableRequest& request, std::ostream& out);
