#pragma once
// Helpers of the chart window's tests: the built tankora-cli and the
// poppler tools run as child processes, and a main window with a tank
// typed into it.

#include <QString>
#include <QStringList>

#include <string>

class TMainForm;
class TChartForm;

namespace tankora::test {

// Standard output of `program` run with `arguments`; a failed run fails the test.
QString RunProgram(const QString& program, const QStringList& arguments);

// tankora-cli with `arguments`.
QString RunCli(const QStringList& arguments);

// Types the tank into the main window (lengths as "value unit-index") and
// opens the chart window with a click on its button; null when none opened.
struct TypedTank
{
    int orientation = 0; // entry of CbOrientation
    const char* length = "1";
    const char* diameter = "1";
    const char* head = "0";
    const char* height = "0.5";
    int lengthUnit = 0, diameterUnit = 0, headUnit = 0; // entries of cbLu, cbDu, cbbu
    int headShape = 0; // entry of cbHead (HeadChoice.h)
};
TChartForm* OpenChart(TMainForm& form, const TypedTank& tank);

// With TANKORA_CHART_SHOTS naming a folder: saves the window as
// chart-<name>.png and its PDF as chart-<name>.pdf there, for people to
// look at. Without it, nothing.
void SaveShots(TChartForm& chart, const QString& name);

} // namespace tankora::test
