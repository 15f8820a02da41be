#pragma once
// The tank as the main window would compute it, handed to the chart window
// in one piece: whatever shapes and method the main window offers reach
// the gauge table through this record, not through the chart's own code.

#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <QString>

#include <optional>
#include <string>

struct ChartTank
{
    // Orientation and dimensions in base units, checked by the main window.
    tankora::TankState tank;
    tankora::VolumeMethod method = tankora::VolumeMethod::Table;

    // For the printed title, as native texts (translated where shown).
    std::string orientationName; // "Horizontal Cylindrical Tank"
    std::string headsName; // "Semi-ellipsoidal heads"
    // "L = 1 m, D = 1 m, b = 0 m": the entries as the user typed them, with
    // the units chosen beside them as the lists show them; b only where the
    // head shape takes a depth.
    QString dimensions;

    // The main window's liquid height (m), when its Height field is in use.
    std::optional<double> markedHeight;

    // The units the chart starts with: the main window's height and volume
    // units (native names).
    std::string heightUnit = "m";
    std::string volumeUnit = "m3";
};
