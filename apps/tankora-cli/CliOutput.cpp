#include "CliOutput.h"

#include "calc/TankHeads.h"
#include "nls/NumberText.h"

#include <iostream>

namespace {

std::string_view KindName(tankora::MessageKind kind)
{
    return kind == tankora::MessageKind::Warning ? "warning" : "error";
}

} // namespace

std::string_view MethodName(tankora::VolumeMethod method)
{
    return method == tankora::VolumeMethod::Exact ? "exact" : "table";
}

std::string FormatFixed4(double value)
{
    // The window's own number text, with "." whatever the process locale says,
    // so both front ends round a fifth-decimal half the same way.
    return tankora::FormatDecimals(value, 4, '.');
}

void PrintPlain(std::ostream& out, const ShownValue& shown)
{
    out << shown.label << ": " << FormatFixed4(shown.value) << ' ' << shown.unit << '\n';
}

nlohmann::ordered_json ToJson(const ShownValue& shown)
{
    nlohmann::ordered_json json;
    json["label"] = shown.label;
    json["value"] = shown.value;
    json["unit"] = shown.unit;
    json["text"] = FormatFixed4(shown.value);
    return json;
}

nlohmann::ordered_json HeadsJson(const tankora::TankState& tank)
{
    const auto headShapes = tankora::HeadShapesOf(tank);
    const auto heads = tankora::HeadsOf(tank);
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < headShapes.size(); ++i) {
        nlohmann::ordered_json head;
        head["shape"] = tankora::HeadKindName(headShapes[i].kind);
        head["depth"] = heads[i].Depth();
        if (headShapes[i].kind == tankora::HeadKind::Torispherical) {
            head["f"] = headShapes[i].crown;
            head["k"] = headShapes[i].knuckle;
        }
        json.push_back(head);
    }
    return json;
}

void CliMessages::Show(tankora::MessageKind kind, std::string_view text)
{
    std::cerr << (kind == tankora::MessageKind::Warning ? "Warning: " : "Error: ") << text << '\n';
    m_messages.push_back({ kind, std::string(text) });
}

nlohmann::ordered_json CliMessages::ToJson() const
{
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const Message& message : m_messages)
        json.push_back({ { "kind", KindName(message.kind) }, { "text", message.text } });
    return json;
}
