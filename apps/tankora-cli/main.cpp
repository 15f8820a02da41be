// tankora-cli: the tank calculator without a window. Parses the command line
// with CLI11 and hands each command to CalcCommand or TableCommand; every
// number it prints comes from the engine.

#include "CalcCommand.h"
#include "ProgramOptions.h"
#include "TableCommand.h"
#include "UsageError.h"
#include "io/PrintableText.h"
#include "io/StandardOutput.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <map>

namespace {

constexpr int kUsageExitCode = 2;

// --method table|exact; anything else is a usage error. `given` records
// that it was on the command line.
void AddMethodOption(CLI::App& command, tankora::VolumeMethod& method, bool& given)
{
    using tankora::VolumeMethod;
    const std::map<std::string, VolumeMethod> names
        = { { "table", VolumeMethod::Table }, { "exact", VolumeMethod::Exact } };
    command
        .add_option("--method", method,
            "table: the fraction tables with linear interpolation (default for "
            "semi-ellipsoidal and flat heads, the window's); exact: the closed-form geometry, "
            "heights solved to full precision (default for every other head)")
        ->transform(CLI::CheckedTransformer(names))
        ->each([&given](const std::string&) { given = true; });
}

CLI::App* AddCalcCommand(CLI::App& app, CalcRequest& request, const char* name,
    tankora::CalcMode mode, const char* description)
{
    CLI::App* command = app.add_subcommand(name, description);
    request.mode = mode;
    AddTankOptions(*command, request.tank);
    if (mode != tankora::CalcMode::Height)
        command->add_option("-H,--height", request.height, "liquid height H")->required();
    if (mode == tankora::CalcMode::Height)
        command->add_option("-V,--volume", request.volume, "liquid volume V")->required();
    if (mode == tankora::CalcMode::NewHeight) {
        command->add_option("-Q,--flow", request.flow, "flow Q: positive drains, negative fills")
            ->required();
        command->add_option("-t,--time", request.time, "flow time t")->required();
        command->add_option(
            "--flow-volume-unit", request.flowVolumeUnit, "unit of the flowed volume (default m3)");
    }
    command->add_option("-u,--unit", request.unit, "unit of the result")
        ->each([&request](const std::string&) { request.unitGiven = true; });
    AddMethodOption(*command, request.method, request.methodGiven);
    command->add_flag("--json", request.json, "print one JSON object");
    return command;
}

CLI::App* AddTableCommand(CLI::App& app, TableRequest& request, bool& csv, bool& json)
{
    CLI::App* command = app.add_subcommand("table", "gauge table: volume at equal height steps");
    AddTankOptions(*command, request.tank);
    command->add_option("--rows", request.rows, "height steps from empty to full (default 100)");
    command->add_option("-u,--unit", request.volumeUnit, "volume unit (default m3)");
    command->add_option("--height-unit", request.heightUnit, "height unit (default m)");
    AddMethodOption(*command, request.method, request.methodGiven);
    auto* csvFlag = command->add_flag("--csv", csv, "comma-separated values with a header line");
    auto* jsonFlag = command->add_flag("--json", json, "a JSON array of rows");
    csvFlag->excludes(jsonFlag);
    return command;
}

// A usage error as one line on stderr.
int UsageFailure(std::string message)
{
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::cerr << "tankora-cli: " << tankora::io::Printable(message) << '\n';
    return kUsageExitCode;
}

int Run(int argc, char** argv)
{
    CLI::App app("The tank calculator without a window: volume, height, new height and gauge "
                 "tables of horizontal and vertical cylindrical tanks.",
        "tankora-cli");
    app.require_subcommand(1);

    CalcRequest volume, height, newHeight;
    TableRequest table;
    bool csv = false;
    bool json = false;
    CLI::App* volumeCommand = AddCalcCommand(
        app, volume, "volume", tankora::CalcMode::Volume, "liquid volume at a height");
    CLI::App* heightCommand = AddCalcCommand(
        app, height, "height", tankora::CalcMode::Height, "liquid height for a volume");
    CLI::App* newHeightCommand = AddCalcCommand(app, newHeight, "new-height",
        tankora::CalcMode::NewHeight, "liquid height after a flow over a time");
    CLI::App* tableCommand = AddTableCommand(app, table, csv, json);
    tankora::program::AddProgramOptions(app, "tankora-cli");

    // CLI11 would only say that a command is required; name the unknown one.
    if (argc > 1 && argv[1][0] != '-') {
        const std::string first = argv[1];
        const auto commands = app.get_subcommands({});
        if (std::none_of(commands.begin(), commands.end(),
                [&first](const CLI::App* command) { return command->get_name() == first; })) {
            return UsageFailure(
                "unknown command \"" + first + "\"; commands: volume, height, new-height, table");
        }
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return UsageFailure(e.what());
    }

    try {
        if (volumeCommand->parsed())
            return RunCalc(volume, std::cout);
        if (heightCommand->parsed())
            return RunCalc(height, std::cout);
        if (newHeightCommand->parsed())
            return RunCalc(newHeight, std::cout);
        if (tableCommand->parsed()) {
            table.format = csv ? TableFormat::Csv : json ? TableFormat::Json : TableFormat::Plain;
            return RunTable(table, std::cout);
        }
    } catch (const UsageError& e) {
        return UsageFailure(e.what());
    }
    return UsageFailure("no command given");
}

} // namespace

int main(int argc, char** argv)
{
    return tankora::io::FinishStandardOutput("tankora-cli", Run(argc, argv));
}
