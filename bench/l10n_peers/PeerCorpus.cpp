#include "PeerCorpus.h"

#include <iterator>
#include <random>
#include <string_view>
#include <unordered_set>

namespace tankora::peers {

namespace {

// Words of a calculator's and an office program's user interface.
constexpr std::string_view kWords[] = { "tank", "volume", "height", "diameter", "length", "head",
    "flow", "time", "unit", "value", "level", "capacity", "fill", "table", "gauge", "row", "column",
    "file", "open", "save", "close", "print", "preview", "edit", "copy", "paste", "cut", "undo",
    "redo", "find", "replace", "select", "all", "none", "new", "delete", "insert", "remove", "add",
    "change", "settings", "options", "language", "window", "help", "about", "version", "error",
    "warning", "message", "cannot", "could", "not", "be", "is", "are", "was", "the", "a", "an",
    "of", "to", "in", "for", "with", "from", "on", "at", "by", "and", "or", "your", "this", "that",
    "these", "input", "output", "check", "inputs", "result", "results", "calculate", "calculation",
    "method", "exact", "horizontal", "vertical", "cylinder", "ellipsoidal", "empty", "full", "over",
    "under", "maximum", "minimum", "decimal", "separator", "number", "format", "precision",
    "digits", "meter", "liter", "gallon", "barrel", "cubic", "second", "minute", "hour", "day",
    "rate", "into", "out", "name", "folder", "path", "document", "page", "pages", "font", "size",
    "color", "left", "right", "top", "bottom", "center", "align", "show", "hide", "enable",
    "disable", "default", "reset", "apply", "cancel", "yes", "no", "retry", "ignore", "continue",
    "stop", "start", "pause", "wait", "please", "while", "saving", "loading", "missing", "invalid",
    "unknown", "selected", "current", "previous", "next", "first", "last", "again" };

constexpr std::string_view kGermanSyllables[]
    = { "be", "rech", "nen", "ung", "schaft", "spei", "cher", "öff", "ffnen", "grö", "ße", "hö",
          "he", "vo", "lu", "men", "ein", "ga", "be", "aus", "wäh", "len", "lö", "schen", "ein",
          "stel", "lun", "gen", "füll", "stand", "be", "hält", "zei", "ter" };

// Hiragana, katakana and common kanji, all in code page 932.
constexpr std::string_view kJapaneseCharacters
    = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
      "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
      "計算容量高体積直径長流時間開保存閉設定表示入力出力値単位液面変更確認警告誤差最大最小新規削除"
      "追加選択読込書印刷編集検索置換全部終了言語窓助情報版数形式桁秒分日率名前頁色左右上下中央";

std::string Capitalized(std::string_view word)
{
    std::string text(word);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// FNV-1a: a word's translation depends on the word only, as in a real catalogue.
std::uint32_t WordHash(std::string_view word)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// One to three pieces, chosen by a generator seeded with the English word.
template <typename Piece> std::string ComposedWord(std::string_view english, Piece piece)
{
    std::uint32_t hash = WordHash(english);
    const int pieces = 1 + static_cast<int>(hash % 3);
    std::string word;
    for (int i = 0; i < pieces; ++i) {
        hash = hash * 1103515245u + 12345u;
        word += piece(hash >> 8);
    }
    return word;
}

// Syllables: about a third longer than the English words, as German texts run.
std::string GermanWord(std::string_view english)
{
    const std::string word = ComposedWord(english, [](std::uint32_t random) {
        return kGermanSyllables[random % std::size(kGermanSyllables)];
    });
    return english.size() > 4 ? Capitalized(word) : word;
}

// Characters of kJapaneseCharacters (each three UTF-8 bytes long).
std::string JapaneseWord(std::string_view english)
{
    return ComposedWord(english, [](std::uint32_t random) {
        const std::size_t count = kJapaneseCharacters.size() / 3;
        return kJapaneseCharacters.substr((random % count) * 3, 3);
    });
}

// A text's shape: its words, and what surrounds them.
struct Shape
{
    std::vector<std::string_view> words;
    bool title = false; // every word capitalized
    // Views of literals: g++ 12 warns falsely (-Wrestrict) on assigning them to strings.
    std::string_view prefix; // "&" accelerator
    std::string_view suffix; // ":", "...", ".", " %s."
};

Shape RandomShape(std::mt19937& random)
{
    Shape shape;
    const auto kind = random() % 100;
    int words = 0;
    if (kind < 35) { // a caption
        words = 1 + static_cast<int>(random() % 3);
        shape.title = true;
    } else if (kind < 55) { // a field label
        words = 1 + static_cast<int>(random() % 3);
        shape.suffix = ":";
    } else if (kind < 65) { // a menu item
        words = 1 + static_cast<int>(random() % 2);
        shape.title = true;
        shape.prefix = "&";
        shape.suffix = random() % 2 ? "..." : "";
    } else if (kind < 85) { // a sentence
        words = 5 + static_cast<int>(random() % 8);
        shape.suffix = ".";
    } else if (kind < 95) { // a message with an argument
        words = 3 + static_cast<int>(random() % 6);
        shape.suffix = random() % 2 ? " %s." : " (%d).";
    } else { // a long explanation
        words = 20 + static_cast<int>(random() % 21);
        shape.suffix = ".";
    }
    for (int i = 0; i < words; ++i)
        shape.words.push_back(kWords[random() % std::size(kWords)]);
    return shape;
}

std::string_view JapaneseSuffix(std::string_view suffix)
{
    if (suffix == ":")
        return "：";
    if (suffix == "...")
        return "…";
    if (suffix == ".")
        return "。";
    if (suffix == " %s.")
        return " %s。";
    if (suffix == " (%d).")
        return "（%d）。";
    return suffix;
}

CorpusEntry Render(const Shape& shape)
{
    CorpusEntry entry;
    for (std::size_t i = 0; i < shape.words.size(); ++i) {
        const std::string_view word = shape.words[i];
        const bool capital = shape.title || i == 0;
        if (i > 0) {
            entry.native += ' ';
            entry.german += ' ';
        }
        entry.native += capital ? Capitalized(word) : std::string(word);
        entry.german += capital ? Capitalized(GermanWord(word)) : GermanWord(word);
        entry.japanese += JapaneseWord(word);
    }
    if (!shape.prefix.empty()) {
        entry.native.insert(0, shape.prefix);
        entry.german.insert(0, shape.prefix);
        entry.japanese += "(&" + entry.native.substr(1, 1) + ")";
    }
    entry.native += shape.suffix;
    entry.german += shape.suffix;
    entry.japanese += JapaneseSuffix(shape.suffix);
    return entry;
}

} // namespace

const std::vector<CorpusEntry>& Corpus()
{
    static const std::vector<CorpusEntry> corpus = [] {
        std::mt19937 random(20261208u);
        std::vector<CorpusEntry> entries;
        std::unordered_set<std::string> seen;
        entries.reserve(kCorpusEntries);
        while (entries.size() < static_cast<std::size_t>(kCorpusEntries)) {
            CorpusEntry entry = Render(RandomShape(random));
            if (seen.insert(entry.native).second)
                entries.push_back(std::move(entry));
        }
        return entries;
    }();
    return corpus;
}

std::vector<std::string> MissingTexts(int count)
{
    std::unordered_set<std::string> natives;
    for (const CorpusEntry& entry : Corpus())
        natives.insert(entry.native);
    std::mt19937 random(7u);
    std::vector<std::string> texts;
    while (texts.size() < static_cast<std::size_t>(count)) {
        std::string text = Render(RandomShape(random)).native;
        if (!natives.contains(text))
            texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<int> RandomOrder(int size, int count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int& index : order)
        index = static_cast<int>(random() % static_cast<std::uint32_t>(size));
    return order;
}

} // namespace tankora::peers
