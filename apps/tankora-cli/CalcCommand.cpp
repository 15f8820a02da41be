#include "CalcCommand.h"

#include "CliOutput.h"
#include "QuantityArg.h"
#include "calc/Calculation.h"
#include "calc/Units.h"

#include <ostream>

using namespace tankora;

namespace {

std::string_view ModeName(CalcMode mode)
{
    switch (mode) {
    case CalcMode::Volume:
        return "volume";
    case CalcMode::Height:
        return "height";
    case CalcMode::NewHeight:
        return "new-height";
    }
    return "";
}

// The unit written after the number of a quantity argument, or `bare`.
std::string UnitOf(const std::string& quantity, std::string_view bare)
{
    const std::size_t blank = quantity.find(' ');
    return blank == std::string::npos ? std::string(bare) : quantity.substr(blank + 1);
}

// The result unit: the one asked for, else m3 for a volume, else the unit of
// -H (inches shown as "in") when the mode reads a height, else m.
std::string ResultUnit(const CalcRequest& request)
{
    if (request.mode == CalcMode::Volume) {
        std::string unit = request.unitGiven ? request.unit : "m3";
        RequireUnit("--unit", unit, QuantityKind::Volume);
        return unit;
    }
    std::string unit = request.unit;
    if (!request.unitGiven)
        unit = request.mode == CalcMode::NewHeight ? UnitOf(request.height, "m") : "m";
    RequireUnit("--unit", unit, QuantityKind::Length);
    return std::string(ResultLengthUnitFor(unit));
}

TankState ReadState(const CalcRequest& request)
{
    TankState state = ReadTank(request.tank);
    if (request.mode != CalcMode::Height)
        state.LiquidHeight = ReadQuantity("--height", request.height, QuantityKind::Length);
    if (request.mode == CalcMode::Height)
        state.LiquidVolume = ReadQuantity("--volume", request.volume, QuantityKind::Volume);
    if (request.mode == CalcMode::NewHeight) {
        state.FlowRate = ReadQuantity("--flow", request.flow, QuantityKind::Flow);
        state.FlowTime = ReadQuantity("--time", request.time, QuantityKind::Time);
    }
    return state;
}

ShownValue MainResult(const TankState& state, CalcMode mode, const std::string& unit)
{
    const double value = mode == CalcMode::Volume ? CubicMetresToVolume(unit, state.LastResult)
                                                  : MetresToLength(unit, state.LastResult);
    return { std::string(ResultLabel(mode)), value, unit };
}

ShownValue FlowedVolume(const TankState& state, const std::string& unit)
{
    return { std::string(FlowVolumeLabel(state)), CubicMetresToVolume(unit, state.LastFlowVolume),
        unit };
}

// The time after which the flow ran the tank empty or full, in the unit of -t.
ShownValue LimitTime(const TankState& state, const CalcRequest& request)
{
    const std::string unit = UnitOf(request.time, "s");
    return { "Limit", SecondsToTime(unit, state.FlowLimitTime), unit };
}

// The tank's total volume, in the unit of a volume result, else in m3.
ShownValue Capacity(const TankState& state, CalcMode mode, const std::string& resultUnit)
{
    const std::string unit = mode == CalcMode::Volume ? resultUnit : "m3";
    return { "Capacity", CubicMetresToVolume(unit, FullVolume(state)), unit };
}

} // namespace

int RunCalc(const CalcRequest& request, std::ostream& out)
{
    TankState state = ReadState(request);
    const std::string unit = ResultUnit(request);
    RequireUnit("--flow-volume-unit", request.flowVolumeUnit, QuantityKind::Volume);
    const VolumeMethod method = ResolveMethod(state, request.method, request.methodGiven);

    CliMessages messages;
    const bool ok = Calculate(state, request.mode, messages, method);
    const bool withFlow = request.mode == CalcMode::NewHeight;

    if (request.json) {
        nlohmann::ordered_json json;
        json["mode"] = ModeName(request.mode);
        json["orientation"] = request.tank.vertical ? "vertical" : "horizontal";
        json["method"] = MethodName(method);
        json["ok"] = ok;
        if (ok) {
            json["result"] = ToJson(MainResult(state, request.mode, unit));
            if (withFlow)
                json["second"] = ToJson(FlowedVolume(state, request.flowVolumeUnit));
            if (withFlow && state.FlowLimitTime >= 0) {
                nlohmann::ordered_json limit = ToJson(LimitTime(state, request));
                limit.erase("label");
                json["limitTime"] = limit;
            }
            nlohmann::ordered_json capacity = ToJson(Capacity(state, request.mode, unit));
            capacity.erase("label");
            json["capacity"] = capacity;
            json["fill"] = FillFraction(state, request.mode, method);
            json["heads"] = HeadsJson(state);
        }
        json["messages"] = messages.ToJson();
        out << json.dump(2) << '\n';
    } else if (ok) {
        PrintPlain(out, MainResult(state, request.mode, unit));
        if (withFlow)
            PrintPlain(out, FlowedVolume(state, request.flowVolumeUnit));
        PrintPlain(out, Capacity(state, request.mode, unit));
    }

    if (!ok)
        return 1;
    return messages.Empty() ? 0 : 3;
}
