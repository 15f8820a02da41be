#include "io/FileMessage.h"

#include "io/PrintableText.h"

#include <cstring>

namespace tankora::io {

std::string FileMessage(const std::string& path, const std::string& what, int error)
{
    std::string message = Printable(path) + ": " + what;
    if (error != 0)
        message += ": " + std::string(std::strerror(error));
    return message;
}

} // namespace tankora::io
