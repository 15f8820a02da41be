// The PO reader and writer: what editors write is read, what is malformed is
// refused with its file and line, and what the writer writes reads back.

#include "ExercisePoReader.h"
#include "l10n/po/PoReader.h"
#include "l10n/po/PoWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tankora::po;

namespace {

std::string Crlf(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

const char* const kEditorFile = R"(# Translator: A. Person
msgid ""
msgstr ""
"Project-Id-Version: cylang\n"
"Language: pl_PL\n"
"Content-Type: text/plain; charset=UTF-8\n"

#. shown in the status line
#: resources/forms/Main.form:BitBtn2.Caption src/ui/Main.cpp:12
#, c-format
msgctxt "TMainForm|BitBtn2"
msgid "Calculate %s"
msgstr "Oblicz %s"

#, fuzzy
msgid "Tank empty"
msgstr "Zbiornik pusty"

msgid ""
"Line one\n"
"Line two"
msgstr ""
"Linia \"pierwsza\"\n"
"Linia\tdruga \\ \101\x42"

msgid "one file"
msgid_plural "%d files"
msgstr[0] "jeden plik"
msgstr[1] "%d pliki"

#~ msgid "Old text"
#~ msgstr ""
#~ "Stary tekst"
)";

} // namespace

TEST(PoReader, ReadsWhatEditorsWriteWithBomAndCrlfAlike)
{
    for (const std::string& bytes :
        { std::string(kEditorFile), "\xEF\xBB\xBF" + Crlf(kEditorFile) }) {
        const PoCatalog catalog = ReadPo(bytes, "pl.po");
        EXPECT_EQ(catalog.HeaderField("language"), "pl_PL");
        EXPECT_EQ(catalog.HeaderField("Project-Id-Version"), "cylang");
        EXPECT_EQ(catalog.headerComments, std::vector<std::string> { "Translator: A. Person" });
        EXPECT_EQ(catalog.headerLine, 2);
        ASSERT_EQ(catalog.entries.size(), 5u);

        const PoEntry& first = catalog.entries[0];
        EXPECT_EQ(first.context, "TMainForm|BitBtn2");
        EXPECT_EQ(first.id, "Calculate %s");
        EXPECT_EQ(first.Translation(), "Oblicz %s");
        EXPECT_EQ(first.references,
            (std::vector<std::string> {
                "resources/forms/Main.form:BitBtn2.Caption", "src/ui/Main.cpp:12" }));
        EXPECT_EQ(first.extractedComments, std::vector<std::string> { "shown in the status line" });
        EXPECT_TRUE(first.HasFlag("c-format"));
        EXPECT_EQ(first.line, 12);
        EXPECT_EQ(first.stringLine, 13);

        EXPECT_TRUE(catalog.entries[1].HasFlag("fuzzy"));
        EXPECT_FALSE(catalog.entries[1].context.has_value());
        EXPECT_EQ(catalog.entries[2].id, "Line one\nLine two");
        EXPECT_EQ(catalog.entries[2].Translation(), "Linia \"pierwsza\"\nLinia\tdruga \\ AB");
        EXPECT_EQ(catalog.entries[3].idPlural, "%d files");
        EXPECT_EQ(
            catalog.entries[3].strings, (std::vector<std::string> { "jeden plik", "%d pliki" }));
        EXPECT_TRUE(catalog.entries[4].obsolete);
        EXPECT_EQ(catalog.entries[4].Translation(), "Stary tekst");
    }
}

TEST(PoReader, RefusesMalformedFilesNamingFileAndLine)
{
    const std::string header = "msgid \"\"\nmsgstr \"Language: de\\n\"\n\n";
    const std::pair<std::string, std::string> cases[] = {
        { "msgid \"a\"\n\nmsgid \"b\"\nmsgstr \"c\"\n", "bad.po:1: an entry without msgstr" },
        { "msgid \"a\"\nmsgstr \"b\" x\n", "bad.po:2: text after the closing double quote" },
        { "msgid \"a\nmsgstr \"b\"\n", "bad.po:1: a string without its closing double quote" },
        { "msgid \"a\"\nmsgstr \"\\q\"\n", "bad.po:2: an unknown escape sequence \\q" },
        { "msgid \"a\"\nmsgtext \"b\"\n", "bad.po:2: unknown keyword \"msgtext\"" },
        { "\"a\"\nmsgid \"a\"\nmsgstr \"b\"\n", "bad.po:1: a string without a keyword" },
        { "msgstr \"b\"\n", "bad.po:1: msgstr without a msgid" },
        { "msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[1] \"b\"\n",
            "bad.po:3: msgstr[1] where msgstr[0] was expected" },
        { "#~ msgid \"a\"\nmsgstr \"b\"\n", "bad.po:2: an entry that is obsolete only in part" },
        { header + "msgid \"a\"\nmsgstr \"b\"\n\nmsgid \"a\"\nmsgstr \"c\"\n",
            "bad.po:7: a second definition of this message (the first is at line 4)" },
        { "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n",
            "bad.po:1: only UTF-8 catalogs can be read (this one is iso-8859-1)" },
        { "msgid \"a\"\nmsgstr \"\xC3\x28\"\n", "bad.po:2: a string that is not valid UTF-8" },
        { "msgid \"a\"\n# late\nmsgstr \"b\"\n", "bad.po:2: a comment inside an entry" },
    };
    for (const auto& [text, message] : cases) {
        try {
            ReadPo(text, "bad.po");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const PoSyntaxError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u)
                << error.what() << "\nexpected: " << message;
            EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
        }
    }
}

TEST(PoWriter, WritesWhatTheReaderTakesBackUnchanged)
{
    PoCatalog catalog;
    catalog.headerComments = { "German", "" };
    catalog.header = { { "Language", "de_DE" }, { "Content-Type", "text/plain; charset=UTF-8" } };
    PoEntry entry;
    entry.extractedComments = { "note" };
    entry.references = { "a.cpp:1", "b.form:X.Caption" };
    entry.flags = { "c-format" };
    entry.context = "";
    entry.id = "Say \"%s\"\n\ttab \\ back\x01";
    entry.strings = { "Sag \"%s\"\nzwei\nZeilen\n" };
    PoEntry obsolete;
    obsolete.obsolete = true;
    obsolete.id = "gone\nnow";
    obsolete.strings = { "weg" };
    catalog.entries = { entry, obsolete };

    const std::string written = WritePo(catalog);
    EXPECT_NE(written.find("msgstr \"\"\n\"Sag \\\"%s\\\"\\n\"\n\"zwei\\n\"\n\"Zeilen\\n\"\n"),
        std::string::npos)
        << written;
    EXPECT_NE(written.find("\\001"), std::string::npos);
    EXPECT_NE(written.find("#~ msgid \"\"\n#~ \"gone\\n\"\n#~ \"now\"\n"), std::string::npos);

    const PoCatalog read = ReadPo(written, "written.po");
    EXPECT_EQ(read.header, catalog.header);
    EXPECT_EQ(read.headerComments, catalog.headerComments);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0].context, "");
    EXPECT_EQ(read.entries[0].id, entry.id);
    EXPECT_EQ(read.entries[0].strings, entry.strings);
    EXPECT_EQ(read.entries[0].references, entry.references);
    EXPECT_EQ(read.entries[0].extractedComments, entry.extractedComments);
    EXPECT_EQ(read.entries[0].flags, entry.flags);
    EXPECT_TRUE(read.entries[1].obsolete);
    EXPECT_EQ(read.entries[1].id, obsolete.id);
    EXPECT_EQ(WritePo(read), written);
}

// The fuzz target's seeds: each is read (or refused) and, when read, written
// back to the same catalog.
TEST(PoReader, FuzzSeedsReadAndWriteBack)
{
    int read = 0, refused = 0;
    for (const auto& seed : std::filesystem::directory_iterator(TANKORA_PO_SEEDS_DIR)) {
        std::ifstream in(seed.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        (ExercisePoReader(bytes.str()) ? read : refused) += 1;
    }
    EXPECT_GE(read, 2);
    EXPECT_GE(refused, 1);
}
