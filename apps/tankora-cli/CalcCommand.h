#pragma once
// The volume, height and new-height commands: the window's Calculate with
// entries taken from the command line.

#include "TankArgs.h"
#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <iosfwd>
#include <string>

struct CalcRequest
{
    tankora::CalcMode mode = tankora::CalcMode::Volume;
    TankArgs tank;
    std::string height, volume, flow, time; // those the mode reads
    std::string unit; // result unit, when unitGiven; else the mode's default
    bool unitGiven = false; // -u was given (an empty name is then refused)
    std::string flowVolumeUnit = "m3";
    tankora::VolumeMethod method = tankora::VolumeMethod::Table;
    bool methodGiven = false; // --method was on the command line
    bool json = false;
};

// Reads every argument first (throwing UsageError before anything is
// printed), then calculates and prints the result lines and the capacity
// line, or the JSON object, on `out`; messages go to stderr. Returns the exit code: 0 a result
// without message, 1 the inputs failed the check, 3 a result with a message.
int RunCalc(const CalcRequest& request, std::ostream& out);
