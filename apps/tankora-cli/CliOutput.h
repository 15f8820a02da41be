#pragma once
// What tankora-cli writes: numbers in the pattern "0.0000", result lines,
// their JSON form, and the engine's messages on stderr.

#include "calc/CalcMessages.h"
#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

// The method's name on the command line and in JSON: "table" or "exact".
std::string_view MethodName(tankora::VolumeMethod method);

// `value` rounded to four decimals with "." as the separator, at least one
// digit before it and a leading minus for a negative value.
std::string FormatFixed4(double value);

// One shown result: a label ("Volume", "Vol Out" ...) and a value already
// converted into `unit`.
struct ShownValue
{
    std::string label;
    double value = 0;
    std::string unit;
};

// "LABEL: TEXT UNIT" and a line break.
void PrintPlain(std::ostream& out, const ShownValue& shown);

// {"label", "value", "unit", "text"} in that order.
nlohmann::ordered_json ToJson(const ShownValue& shown);

// [FIRST, SECOND] heads of a checked tank, each {"shape", "depth"} (m),
// plus "f" and "k" for a torispherical head.
nlohmann::ordered_json HeadsJson(const tankora::TankState& tank);

// Writes each engine message to stderr at once as "Warning: TEXT" or
// "Error: TEXT", and keeps it for the JSON output.
class CliMessages : public tankora::MessageSink
{
public:
    void Show(tankora::MessageKind kind, std::string_view text) override;

    bool Empty() const { return m_messages.empty(); }

    // [{"kind": "warning" | "error", "text": ...}, ...]
    nlohmann::ordered_json ToJson() const;

private:
    struct Message
    {
        tankora::MessageKind kind;
        std::string text;
    };
    std::vector<Message> m_messages;
};
