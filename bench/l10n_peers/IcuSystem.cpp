// ICU resource bundles: a .res table per language made by genrb, looked up
// with ures_getStringByKey. ICU keeps opened bundles in a cache keyed by
// path, so each open goes through a fresh link to the bundle folder.

#include "AliasPool.h"
#include "TranslationSystem.h"

#include <benchmark/benchmark.h>
#include <unicode/ures.h>

#include <map>
#include <stdexcept>

namespace tankora::peers {

namespace {

class IcuSystem final : public TranslationSystem
{
public:
    explicit IcuSystem(std::string folder)
        : m_folder(std::move(folder))
        , m_pool("icu", m_folder + "/icu",
              [](const std::string&, int index) { return "bundles" + std::to_string(index); })
    { }

    ~IcuSystem() override { Close(); }

    std::string Name() const override { return "ICU"; }

    std::string CataloguePath(const std::string& language) const override
    {
        return m_folder + "/icu/" + language + ".res";
    }

    void Open(const std::string& language) override
    {
        Close();
        // A path ending in a separator names a folder of bundles, not a package.
        const std::string path
            = (m_pool.Root() / ("bundles" + std::to_string(m_pool.Next()))).string() + "/";
        UErrorCode status = U_ZERO_ERROR;
        m_bundle = ures_openDirect(path.c_str(), language.c_str(), &status);
        if (U_FAILURE(status))
            throw std::runtime_error(
                "cannot open " + path + language + ".res: " + u_errorName(status));
    }

    bool Lookup(const std::string& text) override
    {
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = 0;
        const UChar* answer = ures_getStringByKey(m_bundle, text.c_str(), &length, &status);
        benchmark::DoNotOptimize(answer);
        return U_SUCCESS(status);
    }

    void Close() override
    {
        if (m_bundle)
            ures_close(m_bundle);
        m_bundle = nullptr;
    }

private:
    std::string m_folder;
    AliasPool m_pool;
    UResourceBundle* m_bundle = nullptr;
};

} // namespace

std::unique_ptr<TranslationSystem> MakeIcuSystem(const std::string& folder)
{
    return std::make_unique<IcuSystem>(folder);
}

} // namespace tankora::peers
