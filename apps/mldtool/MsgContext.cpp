#include "MsgContext.h"

#include "l10n/dictionary/Records.h"

namespace tankora::mld {

std::optional<std::string> MsgContextOf(
    int contextKind, const std::string& context, const std::string& subContext)
{
    const int flags = TIvContext::FlagsOfKind(contextKind);
    const std::string kept = flags == (kContextFlag | kSubContextFlag)
        ? (context.empty() && subContext.empty() ? "" : context + "|" + subContext)
        : flags == kContextFlag    ? context
        : flags == kSubContextFlag ? subContext
                                   : "";
    if (flags == (kContextFlag | kSubContextFlag) && context.find('|') != std::string::npos)
        throw ContextError(
            "the context \"" + context + "\" holds \"|\", which a msgctxt cannot keep apart");
    if (kept.empty())
        return std::nullopt;
    return kept;
}

std::pair<std::string, std::string> ContextsOf(
    int contextKind, const std::optional<std::string>& msgContext)
{
    if (!msgContext || msgContext->empty())
        return {};
    const int flags = TIvContext::FlagsOfKind(contextKind);
    if (flags == 0)
        throw ContextError("a msgctxt, but the dictionary keeps no contexts");
    if (flags == kContextFlag)
        return { *msgContext, "" };
    if (flags == kSubContextFlag)
        return { "", *msgContext };
    const std::size_t bar = msgContext->find('|');
    if (bar == std::string::npos)
        return { *msgContext, "" };
    return { msgContext->substr(0, bar), msgContext->substr(bar + 1) };
}

} // namespace tankora::mld
