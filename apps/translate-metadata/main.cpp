// translate-metadata: writes a desktop entry or an AppStream file with the
// translations the shipped dictionary holds for its marked texts (see
// MetadataTranslation.h). A build tool; not installed.
//   translate-metadata desktop|metainfo DICTIONARY.mld TEMPLATE OUTPUT
// Exit code 0 on success, 1 with one line on stderr otherwise, 2 on a usage
// error. OUTPUT is written whole or not at all.
#include "MetadataTranslation.h"
#include "MldDump.h"

#include "io/InputFile.h"
#include "io/SafeWrite.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace tankora;
    const std::string kind = argc == 5 ? argv[1] : "";
    if (kind != "desktop" && kind != "metainfo") {
        std::cerr << "usage: translate-metadata desktop|metainfo DICTIONARY.mld TEMPLATE OUTPUT\n";
        return 2;
    }
    try {
        const auto table = metadata::TranslationsOf(mld::DumpMld(argv[2], { .all = true }));
        const std::string templ = io::ReadInputFile(argv[3]);
        io::WriteFileSafely(argv[4],
            kind == "desktop" ? metadata::TranslateDesktopEntry(templ, table)
                              : metadata::TranslateMetainfo(templ, table));
    } catch (const std::exception& error) {
        std::cerr << "translate-metadata: " << argv[3] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
