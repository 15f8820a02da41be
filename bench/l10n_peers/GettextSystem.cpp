// GNU gettext through the C library: a .mo catalogue per language made by
// msgfmt, looked up with dgettext. The C library keeps every catalogue it
// loaded until the process ends, so each open binds a new text domain whose
// file is a fresh link to the catalogue.

#include "AliasPool.h"
#include "TranslationSystem.h"

#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <map>

namespace tankora::peers {

namespace {

// The LANGUAGE the catalogues are filed under (any name not "C" works).
constexpr const char* kMessagesLanguage = "peers";

std::string DomainName(const std::string& language, int index)
{
    return "peers_" + language + "_" + std::to_string(index);
}

std::string DomainFile(const std::string& language, int index)
{
    return std::string(kMessagesLanguage) + "/LC_MESSAGES/" + DomainName(language, index) + ".mo";
}

class GettextSystem final : public TranslationSystem
{
public:
    explicit GettextSystem(std::string folder)
        : m_folder(std::move(folder))
    {
        // gettext translates nothing in the "C" locale; the built-in UTF-8 one serves.
        std::setlocale(LC_ALL, "C.UTF-8");
        ::setenv("LANGUAGE", kMessagesLanguage, 1);
    }

    std::string Name() const override { return "gettext"; }

    std::string CataloguePath(const std::string& language) const override
    {
        return m_folder + "/" + language + ".mo";
    }

    void Open(const std::string& language) override
    {
        AliasPool& pool = Pool(language);
        m_domain = DomainName(language, pool.Next());
        ::bindtextdomain(m_domain.c_str(), pool.Root().c_str());
        ::bind_textdomain_codeset(m_domain.c_str(), "UTF-8");
    }

    bool Lookup(const std::string& text) override
    {
        const char* answer = ::dgettext(m_domain.c_str(), text.c_str());
        benchmark::DoNotOptimize(*answer);
        return answer != text.c_str();
    }

    // The C library offers no way to unload a catalogue.
    void Close() override { m_domain.clear(); }

private:
    AliasPool& Pool(const std::string& language)
    {
        auto found = m_pools.find(language);
        if (found == m_pools.end())
            found = m_pools
                        .try_emplace(language, "mo_" + language, CataloguePath(language),
                            [](const std::string& tag, int index) {
                                return DomainFile(tag.substr(3), index);
                            })
                        .first;
        return found->second;
    }

    std::string m_folder;
    std::map<std::string, AliasPool> m_pools;
    std::string m_domain;
};

} // namespace

std::unique_ptr<TranslationSystem> MakeGettextSystem(const std::string& folder)
{
    return std::make_unique<GettextSystem>(folder);
}

} // namespace tankora::peers
