#include "nls/Collation.h"

#include "nls/CodePages.h"

#include <unicode/ucol.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace tankora {
namespace {

struct CollatorCloser
{
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorCloser>;

// Opening a collator costs far more than a comparison; sorting calls this
// once per pair, so collators are kept per locale.
class CollatorCache
{
public:
    // Collators are keyed by ICU name, so every unknown id shares the root one
    // and the cache stays as small as the set of real locales.
    int Compare(const std::u16string& left, const std::u16string& right, const std::string& icuName)
    {
        std::lock_guard lock(m_mutex);
        auto it = m_collators.find(icuName);
        if (it == m_collators.end()) {
            UErrorCode status = U_ZERO_ERROR;
            // An empty name opens the root collation.
            CollatorPtr collator(ucol_open(icuName.c_str(), &status));
            if (U_FAILURE(status)) {
                status = U_ZERO_ERROR;
                collator.reset(ucol_open("", &status));
            }
            it = m_collators.emplace(icuName, std::move(collator)).first;
        }
        if (!it->second) {
            // Without any collation data left: code-unit order still answers.
            return left < right ? -1 : left > right ? 1 : 0;
        }
        const UCollationResult result = ucol_strcoll(it->second.get(), left.data(),
            static_cast<int32_t>(left.size()), right.data(), static_cast<int32_t>(right.size()));
        return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, CollatorPtr> m_collators;
};

} // namespace

int CompareLocaleTexts(std::string_view left, std::string_view right, LocaleId id)
{
    static CollatorCache cache;
    return cache.Compare(DecodeFromCodePage(left, 0), DecodeFromCodePage(right, 0),
        IcuLocaleName(ResolveLocaleId(id)));
}

} // namespace tankora
