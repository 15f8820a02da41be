#include "CommandLine.h"

#include "ProgramOptions.h"

#include <ostream>
#include <string_view>

namespace {

// Also the source of the manual page (help2man), so it reads as one.
const char* const kHelp = R"(Usage: tankora [LANGUAGE]
The calculator window for cylindrical storage tanks: the liquid volume at a
height, the height for a volume, and the new height after a flow in or out.

The window opens in the language of the user's locale (LANG, LC_MESSAGES,
LC_ALL) when the dictionary cylang.mld lies in the current directory; the
installed launcher starts it in the dictionary's folder. LANGUAGE, a number,
opens the dictionary beside the program's folder in that language instead
(1 German, 2 French, 3 Spanish; "mldtool dump" lists them all). An index the
dictionary lacks, or one the locale's code page cannot show, leaves the
window as the locale chose it.

Options:
  -h, --help               Print this help and exit
      --version            Print the version and exit

Environment:
  TANKORA_DUMP=FILE        Write the window's state as JSON to FILE once it
                           has shown, and quit
  TANKORA_SCREENSHOT=FILE  Save a picture of the window to FILE (PNG), and
                           quit
  TANKORA_SETTINGS=none    Start with the defaults and save nothing (the
                           window otherwise reopens as it was closed)
)";

} // namespace

bool AnswerCommandLine(int argc, char** argv, std::ostream& out)
{
    if (argc < 2)
        return false;
    const std::string_view first = argv[1];
    if (first == "--help" || first == "-h") {
        out << kHelp;
        return true;
    }
    if (first == "--version") {
        out << "tankora " << tankora::program::Version() << '\n';
        return true;
    }
    return false;
}
