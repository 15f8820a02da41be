#include "AtomicFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tankora::mld {

void WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("Cannot create file " + path);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("Cannot create file " + path);
    }
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open file " + path);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace tankora::mld
