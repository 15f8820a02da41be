#include "AliasPool.h"

#include <unistd.h>

namespace tankora::peers {

namespace {

constexpr int kBatch = 1024;

} // namespace

AliasPool::AliasPool(const std::string& tag, std::filesystem::path target,
    std::string (*makeName)(const std::string& tag, int index))
    : m_tag(tag)
    , m_target(std::filesystem::absolute(std::move(target)))
    , m_makeName(makeName)
    , m_root(std::filesystem::temp_directory_path()
          / ("l10n_peers_" + tag + "_" + std::to_string(::getpid())))
{
    std::filesystem::remove_all(m_root);
    MakeBatch();
}

AliasPool::~AliasPool()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

int AliasPool::Next()
{
    if (m_used == m_made)
        MakeBatch();
    return m_used++;
}

void AliasPool::MakeBatch()
{
    for (int i = 0; i < kBatch; ++i, ++m_made) {
        const std::filesystem::path link = m_root / m_makeName(m_tag, m_made);
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::create_symlink(m_target, link);
    }
}

} // namespace tankora::peers
