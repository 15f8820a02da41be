#include "TankArgs.h"

#include "QuantityArg.h"
#include "UsageError.h"
#include "calc/TankHeads.h"
#include "calc/heads/TorisphericalPresets.h"
#include "nls/NumberText.h"

#include <cstdlib>

using namespace tankora;

namespace {

const char* const kShapeList = "flat, ellipsoidal:Q, 2:1, hemispherical, torispherical:F,K, "
                               "asme-fd, 80-10, 80-6, din28011, din28013, conical:Q";

std::string Quoted(std::string_view option, std::string_view text)
{
    return std::string(option) + " \"" + std::string(text) + "\"";
}

double ReadPlainNumber(std::string_view option, std::string_view shapeText, std::string_view text)
{
    const std::string number(text);
    if (!IsNumberText(number, '.')) {
        throw UsageError("unreadable number \"" + number + "\" in " + Quoted(option, shapeText)
            + " (expected torispherical:F,K with plain numbers, e.g. torispherical:1,0.06)");
    }
    return std::strtod(number.c_str(), nullptr);
}

HeadShape ReadTorispherical(
    std::string_view option, std::string_view shapeText, std::string_view fk)
{
    const std::size_t comma = fk.find(',');
    if (comma == std::string_view::npos) {
        throw UsageError(Quoted(option, shapeText)
            + " needs two numbers, crown and knuckle radius over D: torispherical:F,K");
    }
    const double crown = ReadPlainNumber(option, shapeText, fk.substr(0, comma));
    const double knuckle = ReadPlainNumber(option, shapeText, fk.substr(comma + 1));
    const HeadShape head = TorisphericalHeadShape(crown, knuckle);
    const std::string problem = HeadShapeProblem(head);
    if (!problem.empty())
        throw UsageError(Quoted(option, shapeText) + " makes no head: " + problem);
    return head;
}

} // namespace

void AddTankOptions(CLI::App& command, TankArgs& args)
{
    command.add_flag("--vertical", args.vertical, "a vertical tank (default: horizontal)");
    command
        .add_option("-L,--length", args.length,
            "shell length L: a number, optionally followed by one blank and a unit name")
        ->required();
    command.add_option("-D,--diameter", args.diameter, "inside diameter D")->required();
    command.add_option("-b,--head", args.head, "depth b of two semi-ellipsoidal heads (0: flat)");
    const std::string shapes = std::string("SHAPE: ") + kShapeList;
    command.add_option("--head-shape", args.headShape, "the shape of both heads; " + shapes);
    command.add_option("--bottom-head-shape", args.bottomHeadShape,
        "vertical: the bottom head (overrides --head-shape there)");
    command.add_option("--top-head-shape", args.topHeadShape, "vertical: the top head");
}

HeadShape ReadHeadShape(std::string_view option, std::string_view text, double diameter)
{
    if (text == "flat")
        return FlatHeadShape();
    if (text == "2:1")
        return EllipsoidalHeadShape(diameter / 4);
    if (text == "hemispherical")
        return EllipsoidalHeadShape(diameter / 2);
    if (const auto preset = TorisphericalPresetShape(text))
        return *preset;
    const std::size_t colon = text.find(':');
    const std::string_view kind = text.substr(0, colon);
    const std::string_view value
        = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    if (colon != std::string_view::npos) {
        if (kind == "ellipsoidal")
            return EllipsoidalHeadShape(ReadQuantity(option, value, QuantityKind::Length));
        if (kind == "conical")
            return ConicalHeadShape(ReadQuantity(option, value, QuantityKind::Length));
        if (kind == "torispherical")
            return ReadTorispherical(option, text, value);
    }
    throw UsageError("unknown head shape " + Quoted(option, text) + "; shapes: " + kShapeList);
}

TankState ReadTank(const TankArgs& args)
{
    TankState tank;
    tank.Orientation = args.vertical ? kVertical : kHorizontal;
    tank.TankLength = ReadQuantity("--length", args.length, QuantityKind::Length);
    tank.TankDiameter = ReadQuantity("--diameter", args.diameter, QuantityKind::Length);

    const bool anyShape
        = !args.headShape.empty() || !args.bottomHeadShape.empty() || !args.topHeadShape.empty();
    if (!args.head.empty() && anyShape) {
        throw UsageError("-b and the head-shape options exclude each other (-b Q is "
                         "--head-shape ellipsoidal:Q)");
    }
    if (!args.vertical && (!args.bottomHeadShape.empty() || !args.topHeadShape.empty())) {
        throw UsageError("--bottom-head-shape and --top-head-shape are for a vertical tank; "
                         "a horizontal one takes --head-shape for both ends");
    }
    if (!args.head.empty()) {
        tank.HeadDepth = ReadQuantity("--head", args.head, QuantityKind::Length);
        return tank;
    }
    if (!anyShape)
        throw UsageError("the heads are missing: give -b Q or --head-shape SHAPE");

    const auto end = [&](const std::string& own, const std::string& name) {
        const std::string option = "--" + name + "-head-shape";
        if (!own.empty())
            return ReadHeadShape(option, own, tank.TankDiameter);
        if (args.headShape.empty())
            throw UsageError(
                "the " + name + " head is missing: give " + option + " or --head-shape");
        return ReadHeadShape("--head-shape", args.headShape, tank.TankDiameter);
    };
    const HeadShape first = end(args.bottomHeadShape, "bottom");
    const HeadShape second = end(args.topHeadShape, "top");
    SetHeads(tank, first, second);
    return tank;
}

VolumeMethod ResolveMethod(const TankState& tank, VolumeMethod wanted, bool given)
{
    if (given && wanted == VolumeMethod::Table && !TableMethodKnows(tank)) {
        throw UsageError("--method table knows only semi-ellipsoidal or flat heads, the same at "
                         "both ends (-b, ellipsoidal:Q, 2:1, hemispherical, flat); this tank "
                         "computes with --method exact");
    }
    return MethodFor(tank, wanted);
}
