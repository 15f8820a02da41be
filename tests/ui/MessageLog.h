#pragma once
// Records the window's messages ("Warning: Tank empty") instead of showing
// modal boxes, for as long as it lives.

#include "WindowMessages.h"

#include <string>
#include <vector>

namespace tankora {

class MessageLog
{
public:
    MessageLog()
        : m_previous(SetMessagePresenter([this](MessageKind kind, const std::string& text) {
            m_entries.push_back((kind == MessageKind::Warning ? "Warning: " : "Error: ") + text);
        }))
    { }
    ~MessageLog() { SetMessagePresenter(m_previous); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    std::vector<std::string> m_entries;
    MessagePresenter m_previous;
};

} // namespace tankora
