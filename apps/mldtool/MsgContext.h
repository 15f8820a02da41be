#pragma once
// How an MLD entry's context texts appear as a PO msgctxt, by the image's
// context kind: kind 1 (both) as "CONTEXT|SUBCONTEXT", kind 2 the sub-context
// alone, kind 3 the context alone, kind 0 no msgctxt. Entries whose contexts
// are empty have no msgctxt either, as TranslateString looks them up.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace tankora::mld {

class ContextError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The msgctxt of an entry. Throws ContextError for a kind-1 context holding "|".
std::optional<std::string> MsgContextOf(
    int contextKind, const std::string& context, const std::string& subContext);

// The (context, sub-context) pair of a msgctxt; for kind 1 the text before the
// first "|" is the context (all of it when there is none). Throws ContextError
// when the image keeps no contexts but a msgctxt is given.
std::pair<std::string, std::string> ContextsOf(
    int contextKind, const std::optional<std::string>& msgContext);

} // namespace tankora::mld
