#pragma once
// The one way the programs write a file: the whole new content or nothing.
//
// A regular file (or a new one) is written to a nameless or uniquely named
// temporary file in the target's folder, synced, and renamed over the target,
// so a failure or a kill leaves the target as it was. A symbolic link is
// written through to the file it names. A character device or FIFO (a
// pipeline's "-o /dev/stdout") is written directly, as it cannot be replaced;
// folders, block devices and sockets are refused. The new file keeps the old
// one's permission bits; a target the user may not write, or one without any
// write permission bit, is refused rather than replaced.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tankora::io {

// Every refused or failed write; the message names the file. A caller that
// words its own messages (the window, in the user's language) tells the
// refusal of a write-protected file from the rest.
class WriteError : public std::runtime_error
{
public:
    explicit WriteError(const std::string& message, bool writeProtected = false)
        : std::runtime_error(message)
        , m_writeProtected(writeProtected)
    { }

    // The target has no write permission bit at all and was left as it was.
    bool WriteProtected() const { return m_writeProtected; }

private:
    bool m_writeProtected;
};

// Writes bytes to path as described above. After the rename the target is
// checked to still be this run's file, so of two runs to one target the one
// whose content was replaced before it finished reports that.
void WriteFileSafely(const std::string& path, std::string_view bytes);

} // namespace tankora::io
