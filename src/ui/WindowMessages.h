#pragma once
// The engine's messages as the window shows them: kept while a calculation
// runs, then, once the window has shown its results, the text translated
// through TranslateString goes to the application's message service as a
// warning box (caption "Warning", exclamation icon) or an error box (caption
// "Error", stop icon), modal, with one "OK" button.

#include "calc/CalcMessages.h"

#include <string>
#include <vector>

namespace tankora {

class WindowMessages : public MessageSink
{
public:
    // Keeps the message for ShowKept.
    void Show(MessageKind kind, std::string_view text) override;

    // Shows the kept messages in order and forgets them. `secondLine`, when
    // not empty, is a text already translated that the last box shows below
    // its message.
    void ShowKept(const std::string& secondLine = {});

private:
    struct Kept
    {
        MessageKind kind;
        std::string text;
    };
    std::vector<Kept> m_kept;
};

} // namespace tankora
