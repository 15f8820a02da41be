// formc INPUT OUTPUT
// Converts a text form (object Name: TClass ... end) to the binary stored
// layout, or a binary stored layout (starting with "TPF0") back to text.
// The direction follows the input; OUTPUT "-" writes to standard output.
// The output is written whole or not at all: a failed conversion leaves an
// existing OUTPUT as it was, and OUTPUT may not be INPUT.
// Exit codes: 0 done, 1 conversion, reading or writing failed, 2 usage.
#include "framework/core/FullMessage.h"
#include "framework/layout/FormText.h"
#include "framework/streams/MemoryStream.h"
#include "io/InputFile.h"
#include "io/PrintableText.h"
#include "io/SafeWrite.h"
#include "io/StandardOutput.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

std::string Convert(const std::string& input)
{
    const std::string source = tankora::io::ReadInputFile(input);
    if (source.starts_with("TPF0")) {
        TMemoryStream bytes;
        bytes.WriteBuffer(source.data(), static_cast<int64_t>(source.size()));
        bytes.SetPosition(0);
        return FormBinaryToText(bytes);
    }
    TMemoryStream out;
    FormTextToBinary(source, out);
    return std::string(out.Bytes().constData(), static_cast<std::size_t>(out.Bytes().size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--help") == 0) {
        std::cerr << "usage: formc INPUT OUTPUT\n"
                     "Converts a text form to its binary stored layout, or a binary layout\n"
                     "(starting with TPF0) back to text. OUTPUT - writes to standard output.\n";
        return 2;
    }
    const std::string input = argv[1], output = argv[2];
    std::string converted;
    try {
        if (output != "-")
            tankora::io::RefuseSameFile(input, output);
        converted = Convert(input);
    } catch (const tankora::io::ReadError& error) {
        std::cerr << "formc: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "formc: " << tankora::io::Printable(input) << ": "
                  << tankora::io::Printable(FullMessage(error)) << "\n";
        return 1;
    }
    if (output == "-") {
        std::cout.write(converted.data(), static_cast<std::streamsize>(converted.size()));
        return tankora::io::FinishStandardOutput("formc", 0);
    }
    try {
        tankora::io::WriteFileSafely(output, converted);
    } catch (const tankora::io::WriteError& error) {
        std::cerr << "formc: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
