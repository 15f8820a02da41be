// The dictionary the program ships, as translators edit it and as the build
// turns it into cylang.mld: every text the user can meet is translated in
// every language, translations keep what the program relies on in a text,
// and nothing is lost on the way into the image.
#include "ShippedDictionary.h"

#include "SourceTexts.h"
#include "calc/CalcMessages.h"
#include "calc/Calculation.h"
#include "calc/Units.h"
#include "framework/app/ResStrings.h"
#include "framework/core/Strings.h"
#include "l10n/dictionary/EntryTable.h"
#include "l10n/mld/MldFile.h"
#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"
#include "ui/WindowTexts.h"

#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace {

using nlohmann::json;
using tankora::test::ShippedDictionary;

void AddTexts(const QObject& object, std::set<QString>& texts)
{
    const QMetaObject* meta = object.metaObject();
    for (const char* name : { "Caption", "Hint" }) {
        if (const int index = meta->indexOfProperty(name); index >= 0)
            texts.insert(meta->property(index).read(&object).toString());
    }
    if (const int index = meta->indexOfProperty("Items"); index >= 0) {
        if (const auto* items = meta->property(index).read(&object).value<TStrings*>()) {
            for (int i = 0; i < items->Count(); ++i)
                texts.insert(items->Strings(i));
        }
    }
}

// The captions, hints and list entries of the window and everything it owns,
// in every mode, as the translator finds them.
std::set<QString> WindowTexts()
{
    std::unique_ptr<TMainForm> form(CreateMainForm());
    std::set<QString> texts;
    for (int mode = 0; mode < 3; ++mode) {
        form->CalcOptions->SetItemIndex(mode);
        AddTexts(*form, texts);
        for (int i = 0; i < form->ComponentCount(); ++i)
            AddTexts(*form->Components(i)->Object(), texts);
    }
    return texts;
}

// The texts the program builds and shows through TranslateString, and the
// texts of the framework that the dictionary translates around the window.
std::set<QString> ProgramTexts()
{
    std::set<std::string_view> texts
        = { tankora::kCheckInputsText, tankora::kOverCapacityText, tankora::kTankEmptyText,
              // the two fragments of a numeric field's range hint
              "Use any value between", "to",
              // the window's notices, hints and second message lines
              tankora::kDecimalMarkNotice, tankora::kStaleResultHint, tankora::kRanEmptyAfter,
              tankora::kRanFullAfter, tankora::kTableMethodOffHint,
              // the message boxes' captions and button
              SMsgDlgWarning.Text, SMsgDlgError.Text, SOKButton.Text,
              // the window's system menu
              "&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "&Close\tAlt+F4", "&Close" };
    for (const tankora::CalcMode mode :
        { tankora::CalcMode::Volume, tankora::CalcMode::Height, tankora::CalcMode::NewHeight })
        texts.insert(tankora::ResultLabel(mode));
    for (const double flowed : { 1.0, -1.0 }) {
        tankora::TankState state;
        state.FlowedVolume = flowed;
        texts.insert(tankora::FlowVolumeLabel(state));
    }
    for (const auto units : { std::span<const std::string_view>(tankora::kLengthEntryUnits),
             std::span<const std::string_view>(tankora::kLengthResultUnits),
             std::span<const std::string_view>(tankora::kVolumeUnits),
             std::span<const std::string_view>(tankora::kFlowUnits),
             std::span<const std::string_view>(tankora::kTimeUnits) })
        texts.insert(units.begin(), units.end());

    std::set<QString> result;
    for (const std::string_view text : texts)
        result.insert(QString::fromUtf8(text.data(), qsizetype(text.size())));
    // The hints a numeric field builds for its kinds of range.
    TDoubleEdit field;
    const double limit = 1E200;
    for (const auto& [low, high] : { std::pair(0.0, 1E100), std::pair(0.0, limit),
             std::pair(-limit, limit), std::pair(-5.0, -1.0) }) {
        field.SetMaxValue(limit);
        field.SetMinValue(low);
        field.SetMaxValue(high);
        result.insert(field.Hint());
    }
    return result;
}

// The chart window's texts: every literal its sources pass to T(...), and
// the names the main window hands it for the printed title.
std::set<QString> ChartWindowTexts()
{
    std::set<QString> texts;
    const QDir folder(QStringLiteral(TANKORA_SOURCE_DIR "/src/ui/chart"));
    const QStringList sources = folder.entryList({ QStringLiteral("*.cpp") }, QDir::Files);
    EXPECT_FALSE(sources.isEmpty());
    for (const QString& name : sources) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const std::string source = file.readAll().toStdString();
        for (const tankora::mld::SourceText& text :
            tankora::mld::FindTranslatedLiterals(source, { "T" }))
            texts.insert(QString::fromStdString(text.text));
    }
    std::unique_ptr<TMainForm> form(CreateMainForm());
    for (const int orientation : { 0, 1 }) {
        form->CbOrientation->SetItemIndex(orientation);
        form->CbOrientationChange(form.get());
        const ChartTank tank = form->TankForChart();
        texts.insert(QString::fromStdString(tank.orientationName));
        texts.insert(QString::fromStdString(tank.headsName));
    }
    return texts;
}

// Numbers, the diagram's letters and the program's name stay as they are.
bool NeedsTranslation(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9.E+-]*$"));
    return text.size() > 1 && !number.match(text).hasMatch() && text != QStringLiteral("Tankora");
}

TEST(ShippedDictionary, TranslatesEveryTextTheUserCanMeet)
{
    const ShippedDictionary dictionary;
    const std::vector<std::string> languages = dictionary.Languages();
    ASSERT_EQ(languages.size(), 14u);
    std::set<QString> texts = WindowTexts();
    texts.merge(ProgramTexts());
    const std::set<QString> chart = ChartWindowTexts();
    // The scan finds the chart's texts at all: its heading among them.
    EXPECT_TRUE(chart.contains(QStringLiteral("Gauge table")));
    texts.insert(chart.begin(), chart.end());
    for (const QString& text : texts) {
        if (!NeedsTranslation(text))
            continue;
        for (const std::string& language : languages) {
            const std::optional<QString> translation = dictionary.Translation(text, language);
            EXPECT_TRUE(translation && !translation->isEmpty())
                << language << " lacks \"" << text.toStdString() << "\"";
        }
    }
}

// A padding, an access key or a shortcut that a translation drops shows:
// the group captions' blanks keep them off the frame line, and the system
// menu needs its key and its shortcut.
TEST(ShippedDictionary, TranslationsKeepTheShapeOfTheirNativeText)
{
    const ShippedDictionary dictionary;
    const auto blanks = [](const QString& text) {
        qsizetype lead = 0, trail = 0;
        while (lead < text.size() && text[lead] == u' ')
            ++lead;
        while (trail < text.size() - lead && text[text.size() - 1 - trail] == u' ')
            ++trail;
        return std::pair(lead, trail);
    };
    const auto shortcut = [](const QString& text) { return text.section(u'\t', 1); };
    for (const json& entry : dictionary.Source()["entries"]) {
        const QString native = QString::fromStdString(entry["native"].get<std::string>());
        for (std::size_t column = 0; column < entry["translations"].size(); ++column) {
            const QString text
                = QString::fromStdString(entry["translations"][column].get<std::string>());
            const std::string where
                = dictionary.Languages()[column] + " \"" + native.toStdString() + "\"";
            if (native.startsWith(u' ')) {
                EXPECT_EQ(blanks(text), blanks(native)) << where;
            }
            EXPECT_EQ(text.count(u'&'), native.count(u'&')) << where;
            EXPECT_EQ(shortcut(text), shortcut(native)) << where;
        }
    }
    // A field's hint built before the dictionary opened is looked up whole; it
    // must read as the one the field builds from the fragments afterwards.
    for (const std::string& language : dictionary.Languages()) {
        const auto part = [&](const char* native) {
            return dictionary.Translation(QString::fromLatin1(native), language)
                .value_or(QString());
        };
        EXPECT_EQ(part("Use any value between 0 to 1E100"),
            part("Use any value between") + QStringLiteral(" 0 ") + part("to")
                + QStringLiteral(" 1E100"))
            << language;
    }
}

// Each column is stored in its language's code page; a character that code
// page lacks would come back as "?".
TEST(ShippedDictionary, BuiltImageHoldsEveryTranslationAsWritten)
{
    const ShippedDictionary dictionary;
    QProcess dump;
    dump.start(QStringLiteral(TANKORA_MLDTOOL),
        { QStringLiteral("dump"), QStringLiteral(TANKORA_DICTIONARY), QStringLiteral("--raw"),
            QStringLiteral("--all"), QStringLiteral("--json") });
    ASSERT_TRUE(dump.waitForFinished(60000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const json image = json::parse(dump.readAllStandardOutput().toStdString());
    const json& source = dictionary.Source();

    ASSERT_EQ(image["languages"].size(), source["languages"].size());
    for (std::size_t i = 0; i < source["languages"].size(); ++i) {
        for (const char* member : { "primaryLanguage", "defaultSubLanguage", "subLanguages",
                 "codePage", "charset", "englishName", "nativeName", "isoLanguageName" })
            EXPECT_EQ(image["languages"][i][member], source["languages"][i][member])
                << "language " << i << " " << member;
    }
    // The build writes the entries in the order the dictionary looks them
    // up in: by native text, context and sub-context (the program's texts
    // are ASCII, whose UTF-8 orders as the image's bytes do).
    const auto key = [](const json& entry) {
        return entry["native"].get<std::string>() + '\x7F' + entry["context"].get<std::string>()
            + entry["subContext"].get<std::string>();
    };
    std::vector<json> expected(source["entries"].begin(), source["entries"].end());
    std::stable_sort(expected.begin(), expected.end(),
        [&key](const json& a, const json& b) { return key(a) < key(b); });
    ASSERT_EQ(image["entries"].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(key(image["entries"][i]), key(expected[i]));
        EXPECT_EQ(image["entries"][i]["translations"], expected[i]["translations"])
            << expected[i]["native"];
    }
}

// In that order the table the window reads it into finds it sorted in its
// one pass and never sorts it again.
TEST(ShippedDictionary, ImageNeedsNoSortWhenOpened)
{
    TIvMLDFile reader;
    reader.OpenFile(TANKORA_DICTIONARY);
    TIvEntryTable table;
    reader.ReadColumn(table, 1, 1252);
    table.SortEntries(reader.ContextFlags() != 0);
    EXPECT_TRUE(table.Sorted());
    EXPECT_GT(table.Count(), 100);
}

} // namespace
