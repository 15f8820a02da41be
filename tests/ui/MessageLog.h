#pragma once
// Records the boxes the window would show, as "<caption>: <text>", for as
// long as it lives; nothing blocks on a modal box.

#include "framework/app/MessageBoxes.h"

#include <string>
#include <vector>

namespace tankora {

class MessageLog
{
public:
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (const TMessage& message : m_recorder.Messages()) {
            const bool iconFits = message.caption == "Warning"
                ? message.type == TMsgDlgType::mtWarning
                : message.type == TMsgDlgType::mtError;
            entries.push_back(
                message.caption + (iconFits ? ": " : " (wrong icon): ") + message.text);
        }
        return entries;
    }

private:
    TScopedMessageRecorder m_recorder;
};

} // namespace tankora
