#include "framework/streams/FileNames.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ExpandFileName(const std::string& name)
{
    std::error_code error;
    fs::path path = fs::absolute(fs::path(name.empty() ? "." : name), error);
    if (error)
        return name;
    std::string result = path.lexically_normal().string();
    // lexically_normal keeps a trailing separator for "dir/."; a file name has none.
    if (result.size() > 1 && result.back() == '/')
        result.pop_back();
    return result;
}

bool FileExists(const std::string& name)
{
    std::error_code error;
    return !name.empty() && fs::is_regular_file(fs::path(name), error);
}

std::string ExtractFilePath(const std::string& name)
{
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

std::string ProgramFileName()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

std::string ProgramFolder()
{
    return ExtractFilePath(ProgramFileName());
}
