#pragma once
// The engine's messages as the window shows them: the text translated
// through TranslateString, then the application's message service shows a
// warning box (caption "Warning", exclamation icon) or an error box (caption
// "Error", stop icon), modal, with one "OK" button.

#include "calc/CalcMessages.h"

namespace tankora {

class WindowMessages : public MessageSink
{
public:
    void Show(MessageKind kind, std::string_view text) override;
};

} // namespace tankora
