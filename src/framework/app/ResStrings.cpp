#include "framework/app/ResStrings.h"

namespace {

TResStringLoader& ActiveLoader()
{
    static TResStringLoader loader;
    return loader;
}

std::string ArgText(const TFormatArg& arg)
{
    if (const auto* text = std::get_if<std::string>(&arg))
        return *text;
    return std::to_string(std::get<long long>(arg));
}

} // namespace

TResStringLoader SetResStringLoader(TResStringLoader loader)
{
    std::swap(loader, ActiveLoader());
    return loader;
}

std::string LoadResString(const TResString& id)
{
    const TResStringLoader& loader = ActiveLoader();
    return loader ? loader(id) : std::string(id.Text);
}

std::string FormatText(std::string_view format, const std::vector<TFormatArg>& args)
{
    std::string text;
    text.reserve(format.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            text += c;
            continue;
        }
        const char kind = format[i + 1];
        if (kind == '%') {
            text += '%';
            ++i;
        } else if (kind == 's' || kind == 'd') {
            if (next < args.size())
                text += ArgText(args[next]);
            ++next;
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}
