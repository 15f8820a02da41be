#pragma once
// A MessageSink that remembers what the engine reported, for assertions.

#include "calc/CalcMessages.h"

#include <string>
#include <vector>

struct RecordedMessage
{
    tankora::MessageKind kind;
    std::string text;

    bool operator==(const RecordedMessage&) const = default;
};

class RecordingSink : public tankora::MessageSink
{
public:
    void Show(tankora::MessageKind kind, std::string_view text) override
    {
        messages.push_back({ kind, std::string(text) });
    }

    std::vector<RecordedMessage> messages;
};
