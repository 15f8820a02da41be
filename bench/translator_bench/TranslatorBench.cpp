// Re-translating an open window into another language: a window of labels
// (caption and hint) and list boxes (100 lines each) holding n texts, its
// translator (default options) opened once, then each iteration switches the dictionary's
// language and so re-translates every text from its remembered native text.
//  - Retranslate/n: back and forth between two languages, so each language
//    comes back to texts the window has shown before.
//  - RetranslateNewTexts/n: every iteration brings texts the window has never
//    shown (as a language switched to for the first time does): labels
//    measure every caption anew.
//
// Baselines in the same run:
//  - WriteTexts/n: the floor. The same native texts looked up in the same
//    dictionary, switched to the other language each iteration as well, and
//    written into the same properties without a translator.
//  - WriteNewTexts/n: the floor of RetranslateNewTexts: texts never written
//    before, so every label measures its caption, without a translator.
//  - ScanTable/n: what a look-up by scanning the table from its first item
//    would cost for one pass (the table scan alone, no property work).
//  - RetranslateWithContexts/n against Retranslate/n: the same window with a
//    context-sensitive dictionary, one text in a hundred with an entry of its
//    own control, so every text is first asked with its context and most
//    fall back to their plain entry.
// Compare Retranslate/n with WriteTexts/n (the ratio should not grow with n)
// and the per-text time ("per_text") across n (it should stay flat).

#include "l10n/dictionary/Dictionary.h"
#include "l10n/translator/TargetProperties.h"
#include "l10n/translator/Translator.h"

#include "framework/app/Forms.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "nls/GuiText.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kLinesPerList = 100;

// Native texts in memory, two languages: 1 and 2 ("en:" and "de:" prefixes).
class TBenchDictionary : public TIvDictionary
{
public:
    explicit TBenchDictionary(const std::vector<std::string>& natives)
    {
        for (const std::string& native : natives) {
            m_entries[1][native] = "en:" + native;
            m_entries[2][native] = "de:" + native;
        }
        SetCheckLevel(ivclNone);
        SetOptions(TIvDictionaryOptions(ivdoAutoTranslate));
    }

    int GetLanguageCount() override { return 3; }
    void GetLanguage(int index, TIvLanguage& target) override
    {
        static const int primaries[] = { 0, 9, 7 };
        target.Assign(TIvLanguage(primaries[index], 1, 1252, index == 0 ? "" : "1",
            index == 0 ? "Native" : "Language", "", "", 0, 0));
    }
    int GetLocaleCount() override { return 0; }
    void GetLocale(int, TIvLocale&) override { }
    // From now on every language switch gives texts not given before.
    void GiveNewTextsOnEachSwitch() { m_generation = 0; }
    // Makes the dictionary context-sensitive, with an entry of its own for
    // the text of the named control.
    void AddControlEntry(const std::string& nativeText, const std::string& control)
    {
        SetContextSensitive(true);
        m_controlEntries[nativeText + '\x1f' + control] = "ctx:" + nativeText;
    }

    bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation) override
    {
        if (!context.empty() || !subContext.empty()) {
            const auto found = m_controlEntries.find(nativeText + '\x1f' + subContext);
            if (found == m_controlEntries.end())
                return false;
            translation = found->second;
            return true;
        }
        if (m_generation >= 0) {
            translation = std::to_string(m_generation);
            translation += ':';
            translation += nativeText;
            return true;
        }
        const auto& entries = m_entries[LanguageIndex() == 1 ? 1 : 2];
        const auto found = entries.find(nativeText);
        if (found == entries.end())
            return false;
        translation = found->second;
        return true;
    }

protected:
    void Change(bool languageChanged, bool localeChanged) override
    {
        if (m_generation >= 0)
            ++m_generation;
        TIvDictionary::Change(languageChanged, localeChanged);
    }

private:
    std::unordered_map<std::string, std::string> m_entries[3];
    std::unordered_map<std::string, std::string> m_controlEntries;
    int m_generation = -1;
};

// A window holding texts native texts: a quarter of them label captions, a
// quarter label hints, half of them list lines.
struct TBenchWindow
{
    explicit TBenchWindow(int texts)
    {
        form.SetName("BenchForm");
        const int labelCount = texts / 4;
        for (int i = 0; i < labelCount; ++i) {
            auto* label = new TLabel(&form);
            label->SetName(QStringLiteral("Label%1").arg(i));
            label->SetParent(&form);
            label->SetCaption(Native("Caption", i));
            label->SetHint(Native("Hint", i));
            labels.push_back(label);
        }
        const int listCount = (texts - 2 * labelCount) / kLinesPerList;
        for (int i = 0; i < listCount; ++i) {
            auto* list = new TListBox(&form);
            list->SetParent(&form);
            QStringList lines;
            for (int line = 0; line < kLinesPerList; ++line)
                lines.append(Native("Line", i * kLinesPerList + line));
            list->Items()->SetStrings(lines);
            lists.push_back(list);
        }
    }

    QString Native(const char* kind, int i)
    {
        std::string text = std::string(kind) + " " + std::to_string(i);
        natives.push_back(text);
        return tankora::AnsiToQString(text);
    }

    int TextCount() const
    {
        return static_cast<int>(labels.size()) * 2 + static_cast<int>(lists.size()) * kLinesPerList;
    }

    TForm form;
    std::vector<TLabel*> labels;
    std::vector<TListBox*> lists;
    std::vector<std::string> natives;
};

void SetPerTextCounter(benchmark::State& state, int texts)
{
    state.counters["per_text"] = benchmark::Counter(static_cast<double>(texts),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Retranslate(benchmark::State& state, bool newTexts, bool contexts = false)
{
    TBenchWindow window(static_cast<int>(state.range(0)));
    TBenchDictionary dictionary(window.natives);
    if (newTexts)
        dictionary.GiveNewTextsOnEachSwitch();
    if (contexts) {
        // Hints only, so the captions checked below keep their plain entries.
        for (std::size_t i = 0; i < window.labels.size(); i += 50)
            dictionary.AddControlEntry(tankora::QStringToAnsi(window.labels[i]->Hint()),
                tankora::QStringToAnsi(window.labels[i]->Name()));
    }
    auto* translator = new TIvTranslator(&window.form);
    for (const char* property : { "Caption", "Hint", "Items" })
        translator->Targets().Add(TIvTargetProperty("", ivtkInclude, property));
    dictionary.SetLanguage(1);
    translator->SetDictionary(&dictionary);
    translator->Open();
    // Both languages shown once before timing, so that every timed pass of
    // the back-and-forth case is alike (with a single iteration the first
    // pass would be the first time into a language).
    if (!newTexts) {
        dictionary.SetLanguage(2);
        dictionary.SetLanguage(1);
    }

    int language = 1;
    for (auto _ : state) {
        language = 3 - language;
        dictionary.SetLanguage(language);
    }
    const QString expected = newTexts
        ? tankora::AnsiToQString(TranslateText(&dictionary, "Caption 0"))
        : language == 1 ? "en:Caption 0"
                        : "de:Caption 0";
    if (window.labels.front()->Caption() != expected)
        state.SkipWithError("the window was not re-translated");
    SetPerTextCounter(state, window.TextCount());
}

void Retranslate(benchmark::State& state)
{
    Retranslate(state, false);
}

void RetranslateNewTexts(benchmark::State& state)
{
    Retranslate(state, true);
}

void RetranslateWithContexts(benchmark::State& state)
{
    Retranslate(state, false, true);
}

void WriteTexts(benchmark::State& state, bool newTexts)
{
    TBenchWindow window(static_cast<int>(state.range(0)));
    TBenchDictionary dictionary(window.natives);
    if (newTexts)
        dictionary.GiveNewTextsOnEachSwitch();
    dictionary.SetLanguage(1);
    dictionary.Open();
    const auto translate = [&](const QString& native) {
        return tankora::AnsiToQString(TranslateText(&dictionary, tankora::QStringToAnsi(native)));
    };
    std::vector<QString> captions, hints;
    std::vector<QStringList> lines;
    for (TLabel* label : window.labels) {
        captions.push_back(label->Caption());
        hints.push_back(label->Hint());
    }
    for (TListBox* list : window.lists)
        lines.push_back(list->Items()->ToStringList());

    int language = 1;
    for (auto _ : state) {
        language = 3 - language;
        dictionary.SetLanguage(language);
        for (std::size_t i = 0; i < window.labels.size(); ++i) {
            window.labels[i]->setProperty("Caption", translate(captions[i]));
            window.labels[i]->setProperty("Hint", translate(hints[i]));
        }
        for (std::size_t i = 0; i < window.lists.size(); ++i) {
            TStrings& items = *window.lists[i]->Items();
            items.BeginUpdate();
            for (int line = 0; line < items.Count(); ++line)
                items.Put(line, translate(lines[i][line]));
            items.EndUpdate();
        }
    }
    SetPerTextCounter(state, window.TextCount());
}

void WriteTexts(benchmark::State& state)
{
    WriteTexts(state, false);
}

void WriteNewTexts(benchmark::State& state)
{
    WriteTexts(state, true);
}

// One pass of look-ups that each scan the table from its first item.
void ScanTable(benchmark::State& state)
{
    const int texts = static_cast<int>(state.range(0));
    QObject control;
    TIvTranslatorTable table;
    for (int i = 0; i < texts; ++i)
        table.Add(&control, "", "Items", "Line " + std::to_string(i), "x" + std::to_string(i));
    std::vector<std::string> currents;
    for (int i = 0; i < texts; ++i)
        currents.push_back(table.Items(i).Current());

    for (auto _ : state) {
        for (const std::string& current : currents) {
            for (int i = 0; i < table.Count(); ++i) {
                const TIvTranslatorTableItem& item = table.Items(i);
                if (item.Control == &control && item.PropertyName == "Items"
                    && item.Current() == current)
                    break;
            }
        }
    }
    SetPerTextCounter(state, texts);
}

} // namespace

BENCHMARK(Retranslate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RetranslateWithContexts)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(RetranslateNewTexts)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTexts)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteNewTexts)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanTable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
