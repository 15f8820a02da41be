#pragma once
// Fresh names for one file or folder: gettext and ICU cache a loaded catalogue
// by its path for the life of the process, so each measured open goes through
// a symbolic link it has not seen. Links are made before they are needed, not
// while an open is timed, and removed with the pool.

#include <filesystem>
#include <string>
#include <vector>

namespace tankora::peers {

class AliasPool
{
public:
    // makeName(i) gives the i-th link's path below a new temporary folder.
    AliasPool(const std::string& tag, std::filesystem::path target,
        std::string (*makeName)(const std::string& tag, int index));
    ~AliasPool();
    AliasPool(const AliasPool&) = delete;
    AliasPool& operator=(const AliasPool&) = delete;

    std::filesystem::path Root() const { return m_root; }
    // The next unused link's index (links are made in batches ahead of use).
    int Next();

private:
    void MakeBatch();

    std::string m_tag;
    std::filesystem::path m_target;
    std::string (*m_makeName)(const std::string&, int);
    std::filesystem::path m_root;
    int m_made = 0;
    int m_used = 0;
};

} // namespace tankora::peers
