#pragma once
// Writing an output file whole or not at all.

#include <string>

namespace tankora::mld {

// Writes bytes beside the target and renames, so a failure leaves the target
// as it was. Throws std::runtime_error "Cannot create file PATH".
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The whole content of a file; "Cannot open file PATH" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace tankora::mld
