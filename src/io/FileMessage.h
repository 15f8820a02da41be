#pragma once
// The one-line message of a refused or failed file operation.

#include <string>

namespace tankora::io {

// "PATH: WHAT" or "PATH: WHAT: REASON" (the system's text for errno value
// error), the path shown with control characters escaped.
std::string FileMessage(const std::string& path, const std::string& what, int error = 0);

} // namespace tankora::io
