#include "Extract.h"

#include "AtomicFile.h"
#include "FormTexts.h"
#include "FormatDirectives.h"
#include "MsgContext.h"
#include "SourceTexts.h"
#include "l10n/po/Utf8.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace tankora::mld {
namespace {

namespace fs = std::filesystem;

bool HasExtension(const fs::path& path, std::initializer_list<const char*> extensions)
{
    const std::string extension = path.extension().string();
    return std::any_of(
        extensions.begin(), extensions.end(), [&](const char* e) { return extension == e; });
}

bool IsLayout(const fs::path& path)
{
    return HasExtension(path, { ".form" });
}

bool IsSource(const fs::path& path)
{
    return HasExtension(path, { ".cpp", ".h", ".cc", ".hpp" });
}

// The files under the paths, each folder's files sorted, so the template does
// not depend on the order a file system lists them in.
std::vector<fs::path> FilesUnder(const std::vector<std::string>& paths)
{
    std::vector<fs::path> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_regular_file(path, error)) {
            files.emplace_back(path);
            continue;
        }
        if (!fs::is_directory(path, error))
            throw std::runtime_error("Cannot open folder " + path);
        std::vector<fs::path> found;
        for (const auto& item : fs::recursive_directory_iterator(path)) {
            if (item.is_regular_file() && (IsLayout(item.path()) || IsSource(item.path())))
                found.push_back(item.path());
        }
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

class TemplateBuilder
{
public:
    explicit TemplateBuilder(int contextKind)
        : m_contextKind(contextKind)
    {
        m_catalog.headerComments = { "Translatable texts of Tankora, written by mldtool extract." };
        m_catalog.header = {
            { "Project-Id-Version", "Tankora" },
            { "Language", "" },
            { "MIME-Version", "1.0" },
            { "Content-Type", "text/plain; charset=UTF-8" },
            { "Content-Transfer-Encoding", "8bit" },
            { "Plural-Forms", "nplurals=2; plural=(n != 1);" },
        };
    }

    void Add(const std::string& text, const std::optional<std::string>& context,
        const std::string& reference)
    {
        if (text.empty())
            return;
        const auto [it, added]
            = m_index.emplace(std::make_pair(context, text), m_catalog.entries.size());
        if (added) {
            po::PoEntry entry;
            entry.context = context;
            entry.id = text;
            entry.strings = { "" };
            const FormatScan scan = ScanFormat(text);
            if (scan.wellFormed && !scan.directives.empty())
                entry.flags.push_back("c-format");
            m_catalog.entries.push_back(std::move(entry));
        }
        std::vector<std::string>& references = m_catalog.entries[it->second].references;
        if (std::find(references.begin(), references.end(), reference) == references.end())
            references.push_back(reference);
    }

    void AddLayout(const fs::path& file)
    {
        for (const FormText& t : ReadFormTexts(file.string())) {
            const std::optional<std::string> context
                = MsgContextOf(m_contextKind, t.formClass, t.component);
            Add(t.text, context, file.generic_string() + ":" + t.component + "." + t.property);
        }
    }

    void AddSource(const fs::path& file, const std::vector<std::string>& keywords)
    {
        for (const SourceText& t : FindTranslatedLiterals(ReadWholeFile(file.string()), keywords)) {
            if (!DecodeUtf8(t.text))
                continue; // not text the template could hold
            Add(t.text, std::nullopt, file.generic_string() + ":" + std::to_string(t.line));
        }
    }

    po::PoCatalog Take() { return std::move(m_catalog); }

private:
    int m_contextKind;
    po::PoCatalog m_catalog;
    std::map<std::pair<std::optional<std::string>, std::string>, std::size_t> m_index;
};

} // namespace

po::PoCatalog Extract(const ExtractOptions& options)
{
    TemplateBuilder builder(options.contextKind);
    for (const fs::path& file : FilesUnder(options.paths)) {
        if (IsLayout(file))
            builder.AddLayout(file);
        else if (IsSource(file))
            builder.AddSource(file, options.keywords);
    }
    return builder.Take();
}

} // namespace tankora::mld
