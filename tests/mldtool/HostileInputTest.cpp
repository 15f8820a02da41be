// Hostile inputs and outputs that are not files: a full standard output,
// FIFOs and devices as inputs, huge inputs, texts that would forge PO entries
// or terminal lines, and texts a code page cannot hold.

#include "../l10n/mld/MldTestImages.h"
#include "MldToolRunner.h"
#include "l10n/po/PoReader.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace tankora::test;
using nlohmann::json;

namespace {

namespace fs = std::filesystem;

TEST(HostileStandardOutput, AFullOutputIsAnErrorForEveryPrintingProgram)
{
    const QString image = WriteTemp("example.mld", Build(ExampleDescription()));
    const QString form = QStringLiteral(TANKORA_SOURCE_DIR "/fuzz/form_reader/corpus/AppForm.form");
    const std::pair<std::string, QStringList> runs[] = {
        { "mldtool/mldtool", { "dump", image, "--raw", "--all", "--json" } },
        { "mldtool/mldtool", { "dump", image } },
        { "mldtool/mldtool", { "check", image } },
        { "mldtool/mldtool", { "check", image, "--json" } },
        { "mldtool/mldtool", { "translate", image, "--language", "1", "Calculate" } },
        { "tankora-cli/tankora-cli", { "volume", "-L", "2", "-D", "1", "-b", "0", "-H", "0.5" } },
        { "tankora-cli/tankora-cli", { "table", "-L", "2", "-D", "1", "-b", "0", "--csv" } },
        { "localeinfo/localeinfo", { "0x0407" } },
        { "formc/formc", { form, "-" } },
    };
    for (const auto& [program, arguments] : runs) {
        const ToolRun run = RunProgram(program, arguments, "/dev/full");
        EXPECT_NE(run.exitCode, 0) << program << " " << arguments.join(' ').toStdString();
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find("cannot write the standard output"), std::string::npos) << run.err;
        // The same run with somewhere to write succeeds.
        EXPECT_EQ(RunProgram(program, arguments, "/dev/null").exitCode, 0) << program;
    }
}

TEST(HostileInput, FifosDevicesAndHugeFilesAreRefusedWithoutWaiting)
{
    QTemporaryDir dir;
    const std::string fifo = dir.path().toStdString() + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Sparse: above the limit without filling the disk.
    const std::string huge = dir.path().toStdString() + "/huge.mld";
    std::ofstream(huge).close();
    fs::resize_file(huge, (256ull << 20) + 1);
    const QString image = WriteTemp("example.mld", Build(ExampleDescription()));
    const QString out = dir.path() + "/out";
    const QString f = QString::fromStdString(fifo), h = QString::fromStdString(huge);
    const std::pair<QStringList, std::string> runs[] = {
        { { "dump", f }, fifo + ": is not a regular file" },
        { { "check", "/dev/zero" }, "/dev/zero: is not a regular file" },
        { { "build", "/dev/zero", "-o", out }, "/dev/zero: is not a regular file" },
        { { "build", f, "-o", out }, fifo + ": is not a regular file" },
        { { "import-po", image, "/dev/zero", "-o", out }, "/dev/zero: is not a regular file" },
        { { "export-po", f, "--language", "1", "-o", out }, fifo + ": is not a regular file" },
        { { "dump", h }, huge + ": is larger than 256 MiB" },
        { { "translate", f, "x" }, "Error: " + fifo + ": is not a regular file" },
    };
    for (const auto& [arguments, message] : runs) {
        const ToolRun run = RunProgram("mldtool/mldtool", arguments, {}, {}, 20000);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString() << ": " << run.err;
        EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
    }
    const ToolRun formc = RunProgram("formc/formc", { f, out }, {}, {}, 20000);
    EXPECT_EQ(formc.exitCode, 1);
    EXPECT_EQ(formc.err.rfind("formc: " + fifo + ": is not a regular file", 0), 0u) << formc.err;
    EXPECT_FALSE(fs::exists(out.toStdString()));
}

TEST(HostileInput, ImportStopsAtTheFirstMessagePastTheRecordLimit)
{
    std::string po = "msgid \"\"\nmsgstr \"\"\n\"Language: de_DE\\n\"\n"
                     "\"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    int line = 4, limitLine = 0;
    for (int i = 0; i < 66000; ++i) {
        po += "\nmsgid \"t" + std::to_string(i) + "\"\nmsgstr \"\"\n";
        line += 3;
        if (i == 65535)
            limitLine = line - 1; // the msgid of message 65,536
    }
    const QString poFile = WriteTemp("many.po", po);
    const QString image = WriteTemp("example.mld", Build(ExampleDescription()));
    const ToolRun run = Mldtool({ "import-po", image, poFile, "-o", WriteTemp("out.mld", "") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind(poFile.toStdString() + ":" + std::to_string(limitLine) + ": ", 0), 0u)
        << run.err;
    EXPECT_NE(run.err.find("65535"), std::string::npos) << run.err;

    // An image one entry short of the limit takes one new text, not two.
    json nearlyFull = ExampleDescription();
    for (int i = 1; i < 65534; ++i)
        nearlyFull["entries"].push_back({ { "native", "n" + std::to_string(i) }, { "context", "" },
            { "subContext", "" }, { "translations", { "" } } });
    const QString twoNew = WriteTemp("two-new.po",
        po.substr(0, po.find("\nmsgid \"t0\"")) + "\nmsgid \"Calculate\"\nmsgstr \"x\"\n"
            + "\nmsgid \"new one\"\nmsgstr \"\"\n\nmsgid \"new two\"\nmsgstr \"\"\n");
    const ToolRun full = Mldtool({ "import-po", WriteTemp("nearly-full.mld", Build(nearlyFull)),
        twoNew, "-o", WriteTemp("out.mld", "") });
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err.rfind(twoNew.toStdString() + ":12: one text too many", 0), 0u) << full.err;
}

// What a PO reader makes of a written catalogue: forged entries would show here.
std::vector<std::string> MessageIds(const std::string& po)
{
    std::vector<std::string> ids;
    for (const auto& entry : tankora::po::ReadPo(po, "read.po").entries)
        ids.push_back(entry.id);
    return ids;
}

TEST(HostileText, ExportedCommentsCannotForgeEntries)
{
    json d = ExampleDescription();
    const std::string forged = "X\n\nmsgid \"forged\"\nmsgstr \"pwned\"\n#";
    d["languages"][1]["englishName"] = "German" + forged;
    d["entries"].push_back({ { "native", "Calculate" }, { "context", "" }, { "subContext", "" },
        { "translations", { "Rechnen" + forged } } });
    const QString out = WriteTemp("de.po", "");
    const ToolRun run
        = Mldtool({ "export-po", WriteTemp("in.mld", Build(d)), "--language", "1", "-o", out });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string po = ReadFile(out);
    EXPECT_EQ(MessageIds(po), (std::vector<std::string> { "Calculate" })) << po;
    EXPECT_NE(po.find("GermanX\\n\\nmsgid"), std::string::npos) << po;
    EXPECT_NE(po.find("also holds the translation \"RechnenX\\n"), std::string::npos) << po;
}

TEST(HostileText, ExtractedReferencesCannotForgeEntriesAndKeepTheirBlanks)
{
    QTemporaryDir dir;
    const std::string src = dir.path().toStdString() + "/src";
    fs::create_directory(src);
    std::ofstream(src + "/evil\nmsgid \"forged\"\nmsgstr \"x\"\n.cpp")
        << "auto a = TranslateString(\"Hello\");\n";
    std::ofstream(src + "/my file.cpp") << "auto b = TranslateString(\"World\");\n";
    const QString out = dir.path() + "/texts.pot";
    const ToolRun run = Mldtool({ "extract", QString::fromStdString(src), "-o", out });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string pot = ReadFile(out);
    EXPECT_EQ(MessageIds(pot), (std::vector<std::string> { "Hello", "World" })) << pot;
    const auto entries = tankora::po::ReadPo(pot, "texts.pot").entries;
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(entries[1].references.size(), 1u);
    EXPECT_NE(entries[1].references[0].find("my file.cpp:"), std::string::npos)
        << entries[1].references[0];
    EXPECT_NE(pot.find("\u2068"), std::string::npos) << "the blank's isolate marks";
}

TEST(HostileText, PlainOutputShowsControlBytesEscaped)
{
    json d = ExampleDescription();
    d["entries"][0]["native"] = "Calc\x1b[2J\rulate\nnow";
    d["entries"][0]["translations"][0] = "Be\x07rechnen";
    const QString image = WriteTemp("control.mld", Build(d));
    const ToolRun dump = Mldtool({ "dump", image, "--language", "1" });
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_NE(
        dump.out.find("\"Calc\\e[2J\\rulate\\nnow\" -> \"Be\\x07rechnen\""), std::string::npos)
        << dump.out;
    const ToolRun check = Mldtool({ "check", image });
    for (const std::string* out : { &dump.out, &check.out }) {
        EXPECT_EQ(out->find('\x1b'), std::string::npos);
        EXPECT_EQ(out->find('\x07'), std::string::npos);
        EXPECT_EQ(out->find('\r'), std::string::npos);
    }
    // The JSON output keeps the texts exactly, escaped the JSON way.
    const ToolRun asJson = Mldtool({ "dump", image, "--language", "1", "--json" });
    EXPECT_EQ(json::parse(asJson.out)["entries"][0]["native"], "Calc\x1b[2J\rulate\nnow");
}

TEST(HostileText, BuildRefusesATextItsCodePageCannotHold)
{
    json d = ExampleDescription();
    d["entries"][0]["translations"][0] = "Rechnen 日本";
    const QString input = WriteTemp("unfit.json", d.dump());
    const QString out = QString::fromStdString(TempPath("unfit.mld"));
    const ToolRun run = Mldtool({ "build", input, "-o", out });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        input.toStdString()
            + ": entries[0].translations[0]: '日' (U+65E5) cannot be written in code page 1252\n");
    EXPECT_FALSE(fs::exists(out.toStdString()));

    // A UTF-16 image holds it; check then says the native text does not fit
    // the code page native texts are kept in.
    d["header"]["ansiStrings"] = false;
    d["entries"][0]["native"] = "計算";
    const QString wide = WriteTemp("wide.mld", Build(d));
    const ToolRun check = Mldtool({ "check", wide, "--json" });
    EXPECT_EQ(check.exitCode, 1) << check.out;
    const json findings = json::parse(check.out)["findings"];
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0]["check"], "unrepresentable");
    EXPECT_EQ(findings[0]["entry"], 0);
}

TEST(HostileText, LocaleinfoRefusesExtraArgumentsAndUnknownNames)
{
    for (const QStringList& arguments :
        { QStringList { "a", "b" }, QStringList { "x-y-z" }, QStringList { "\x1b[31m" } }) {
        const ToolRun run = RunProgram("localeinfo/localeinfo", arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(RunProgram("localeinfo/localeinfo", { "de-DE" }).exitCode, 0);
    EXPECT_EQ(RunProgram("localeinfo/localeinfo", { "de" }).exitCode, 0);
}

} // namespace
