// formc INPUT OUTPUT
// Converts a text form (object Name: TClass ... end) to the binary stored
// layout, or a binary stored layout (starting with "TPF0") back to text.
// The direction follows the input; OUTPUT "-" writes to standard output.
// Exit codes: 0 done, 1 conversion failed, 2 usage.
#include "framework/layout/FormText.h"
#include "framework/streams/FileStream.h"
#include "framework/streams/MemoryStream.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

bool WriteOutput(const std::string& path, const QByteArray& bytes)
{
    if (path == "-") {
        std::cout.write(bytes.constData(), bytes.size());
        return static_cast<bool>(std::cout.flush());
    }
    TFileStream out(path, TFileStream::TMode::fmCreate);
    out.WriteBuffer(bytes.constData(), bytes.size());
    return true;
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
    const std::string input = argv[1];
    try {
        TFileStream in(input);
        TMemoryStream bytes;
        bytes.CopyFrom(in, 0);
        bytes.SetPosition(0);
        TMemoryStream out;
        if (bytes.Bytes().startsWith("TPF0")) {
            const std::string text = FormBinaryToText(bytes);
            out.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
        } else {
            FormTextToBinary(std::string_view(bytes.Bytes().constData(),
                                 static_cast<size_t>(bytes.Bytes().size())),
                out);
        }
        WriteOutput(argv[2], out.Bytes());
    } catch (const std::exception& error) {
        std::cerr << "formc: " << input << ": " << error.what() << "\n";
        if (std::strcmp(argv[2], "-") != 0)
            std::remove(argv[2]);
        return 1;
    }
    return 0;
}
