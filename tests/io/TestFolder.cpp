#include "TestFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <sys/stat.h>

namespace tankora::test {

TestFolder::TestFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tankora-io-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a test folder");
    m_path = pattern;
}

TestFolder::~TestFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::set<std::string> TestFolder::Names() const
{
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(m_path))
        names.insert(item.path().filename().string());
    return names;
}

void WriteBytes(const std::string& path, const std::string& bytes, unsigned mode)
{
    std::ofstream(path, std::ios::binary) << bytes;
    chmod(path.c_str(), mode);
}

std::string BytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

unsigned ModeOf(const std::string& path)
{
    struct stat status
    { };
    lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

} // namespace tankora::test
