#pragma once
// Reading an input file with bounds: only regular files (a FIFO or device
// could block or never end), and none larger than a limit far above any
// real dictionary, PO catalogue, JSON source or form.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tankora::io {

inline constexpr std::uint64_t kInputSizeLimit = 256ull << 20; // 256 MiB

// Every refused or failed read; the message names the file.
class ReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Refuses (ReadError) a path that is not a regular file or is larger than
// the limit, before a reader that opens the file itself is let at it; a
// path that cannot be examined is left to that reader's own message.
void CheckInputFile(const std::string& path, std::uint64_t limit = kInputSizeLimit);

// The whole content of a file that passes CheckInputFile.
std::string ReadInputFile(const std::string& path, std::uint64_t limit = kInputSizeLimit);

// Refuses (ReadError) an output that is the input file itself (the same file
// by device and inode, whatever names or links lead to it), before anything
// is read: writing it would destroy what is being read.
void RefuseSameFile(const std::string& input, const std::string& output);

} // namespace tankora::io
