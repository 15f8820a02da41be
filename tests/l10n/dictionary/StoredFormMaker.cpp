// Writes the stored layout of a TStoredDictionaryHost that owns a binary
// dictionary with Storage ivsEmbedded, its data taken at design time from an
// MLD file: the way a form designer stores such a form.
// Usage: StoredFormMaker IMAGE.mld OUTPUT

#include "StoredDictionaryHost.h"

#include "l10n/dictionary/BinaryDictionary.h"

#include "framework/layout/FormWriter.h"
#include "framework/streams/MemoryStream.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: StoredFormMaker IMAGE.mld OUTPUT\n";
        return 2;
    }
    try {
        TStoredDictionaryHost host;
        host.SetName("StoredDictionaryHost");
        auto* dictionary = new TIvBinaryDictionary(&host);
        dictionary->SetName("Dictionary1");
        dictionary->SetStorage(ivsEmbedded);
        dictionary->SetFileName(argv[1]);
        TMemoryStream stream;
        WriteComponent(stream, host);
        const QByteArray& bytes = stream.Bytes();
        std::ofstream out(argv[2], std::ios::binary);
        out.write(bytes.constData(), bytes.size());
        return out ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
