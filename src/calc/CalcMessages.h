#pragma once
// How the engine's messages leave it. The engine never shows or prints
// anything: it hands a kind and its native English text to a MessageSink,
// which the window (a modal box, after translating the text) and the command
// line (a line on stderr) implement.

#include <string_view>

namespace tankora {

enum class MessageKind {
    Warning, // a warning box: caption "Warning", exclamation icon
    Error, // an error box: caption "Error", stop icon
};

// The texts the calculation reports, as written in the program.
inline constexpr std::string_view kCheckInputsText = "Check your inputs";
inline constexpr std::string_view kOverCapacityText = "Volume entered exceed total possible volume";
inline constexpr std::string_view kTankEmptyText = "Tank empty";

class MessageSink
{
public:
    virtual ~MessageSink() = default;

    // Shows or records one message. Called at most once per calculation, and
    // the calculation goes on to return its defined value afterwards.
    virtual void Show(MessageKind kind, std::string_view text) = 0;
};

} // namespace tankora
