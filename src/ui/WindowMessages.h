#pragma once
// The engine's messages as the window shows them: the text translated
// through TranslateString, then a modal box with one "OK" button, a warning
// box (caption "Warning", exclamation icon) or an error box (caption
// "Error", stop icon). Tests replace the presenter so that nothing blocks.

#include "CalcMessages.h"

#include <functional>
#include <string>

namespace tankora {

// Shows one translated message (8-bit text) of the given kind.
using MessagePresenter = std::function<void(MessageKind kind, const std::string& text)>;

// Replaces the process's presenter and returns the previous one; an empty
// presenter restores the modal boxes.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

class WindowMessages : public MessageSink
{
public:
    void Show(MessageKind kind, std::string_view text) override;
};

} // namespace tankora
