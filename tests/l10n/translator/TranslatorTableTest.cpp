#include "l10n/translator/TranslatorTable.h"
#include "l10n/translator/Modules.h"

#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(TranslatorTable, FindAnswersTheFirstItemInTableOrderAndFollowsCurrentChanges)
{
    QObject control;
    QObject other;
    TIvTranslatorTable table;
    table.Add(&control, "L", "Items", "one", "eins");
    table.Add(&other, "L", "Items", "two", "eins");
    table.Add(&control, "L", "Items", "uno", "eins");
    table.Add(&control, "L", "Hint", "one", "eins");

    TIvTranslatorTableItem* first = table.Find(&control, "Items", "eins");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->NativeText, "one");
    EXPECT_EQ(table.Find(&control, "Items", "Eins"), nullptr); // letter case counts
    EXPECT_EQ(table.Find(&control, "items", "eins"), nullptr);

    // Once the first item shows another text, the next equal one is the match;
    // moving it back restores table order rather than recency.
    table.SetCurrent(*first, "un");
    EXPECT_EQ(table.Find(&control, "Items", "eins")->NativeText, "uno");
    EXPECT_EQ(table.Find(&control, "Items", "un"), first);
    table.SetCurrent(*first, "eins");
    EXPECT_EQ(table.Find(&control, "Items", "eins"), first);
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Items(2).NativeText, "uno");
    EXPECT_THROW(table.Items(4), ERangeError);

    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Find(&control, "Items", "eins"), nullptr);
}

// The index must answer exactly what a scan from the first item answers,
// through any sequence of passes that add items, change current texts and
// destroy controls: few texts make long chains of equal keys, many texts make
// the index grow and free slots in the middle of probe runs.
TEST(TranslatorTable, IndexAgreesWithAScanFromTheFirstItem)
{
    for (const int textCount : { 4, 3000 }) {
        std::vector<std::string> texts;
        for (int i = 0; i < textCount; ++i)
            texts.push_back(std::to_string(i));
        const std::vector<std::string> properties { "Caption", "Items" };
        std::mt19937 random(7);
        const auto pick = [&](const auto& from) { return from[random() % from.size()]; };
        std::vector<std::unique_ptr<QObject>> controls;
        for (int i = 0; i < 6; ++i)
            controls.push_back(std::make_unique<QObject>());

        TIvTranslatorTable table;
        for (int step = 0; step < 6000; ++step) {
            if (step % 1000 == 999) {
                // A control goes and a new one takes its place.
                controls[random() % controls.size()] = std::make_unique<QObject>();
            }
            QObject* control = controls[random() % controls.size()].get();
            const std::string property = pick(properties);
            const std::string value = pick(texts);
            TIvTranslatorTableItem* scanned = nullptr;
            for (int i = 0; i < table.Count() && !scanned; ++i) {
                TIvTranslatorTableItem& item = table.Items(i);
                if (item.Control == control && item.PropertyName == property
                    && item.Current() == value)
                    scanned = &item;
            }
            TIvTranslatorTableItem* found = table.Find(control, property, value);
            ASSERT_EQ(found, scanned) << textCount << " texts, step " << step;
            if (found)
                table.SetCurrent(*found, pick(texts));
            else
                table.Add(control, "", property, value, pick(texts));
        }
        // Every item is found by its own key, or by an earlier equal one.
        for (int i = 0; i < table.Count(); ++i) {
            TIvTranslatorTableItem& item = table.Items(i);
            TIvTranslatorTableItem* found
                = table.Find(item.Control, item.PropertyName, item.Current());
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->Current(), item.Current());
        }
    }
}

TEST(TranslatorTable, ItemsOfADestroyedControlAreDropped)
{
    TIvTranslatorTable table;
    QObject kept;
    auto gone = std::make_unique<QObject>();
    table.Add(&kept, "", "Caption", "a", "A");
    table.Add(gone.get(), "", "Caption", "b", "B");
    table.Add(&kept, "", "Hint", "c", "C");
    const QObject* address = gone.get();
    gone.reset();

    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Items(1).NativeText, "c");
    EXPECT_EQ(table.Find(address, "Caption", "B"), nullptr);
    EXPECT_EQ(table.Find(&kept, "Hint", "C"), &table.Items(1));
}

TEST(BiDiStates, OneRecordPerControlTakingItsLeftAndDroppedWhenItGoes)
{
    TPanel parent;
    auto label = std::make_unique<TLabel>();
    label->SetParent(&parent);
    label->SetLeft(17);
    TIvBiDiStates states;

    EXPECT_EQ(states.FindBiDiState(label.get(), false), nullptr);
    TIvBidirectionalState* state = states.FindBiDiState(label.get(), true);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->DesignLeft, 17);
    EXPECT_FALSE(state->Mirrored);
    EXPECT_EQ(state->ReadingOrder, ivroLeftToRight);
    label->SetLeft(40);
    EXPECT_EQ(states.FindBiDiState(label.get(), true), state);
    EXPECT_EQ(states.Count(), 1);

    states.FindBiDiState(&parent, true);
    label.reset();
    ASSERT_EQ(states.Count(), 1);
    EXPECT_EQ(states.Items(0).Control, &parent);
}

class TAnsweringModule : public TIvModule
{
public:
    TAnsweringModule(bool answer, int& asked)
        : m_answer(answer)
        , m_asked(asked)
    { }
    bool ReadingOrderChanged(TIvCustomTranslator*, QObject*) override
    {
        ++m_asked;
        return m_answer;
    }

private:
    bool m_answer;
    int& m_asked;
};

TEST(TranslatorModules, DispatchersStopAtTheFirstModuleThatDidTheWork)
{
    TIvModules& modules = TIvModules::Instance();
    QObject component;
    ASSERT_EQ(modules.Count(), 0);
    EXPECT_FALSE(modules.ReadingOrderChanged(nullptr, &component));

    int askedDecliner = 0;
    int askedTaker = 0;
    int askedLast = 0;
    auto decliner = std::make_unique<TAnsweringModule>(false, askedDecliner);
    auto taker = std::make_unique<TAnsweringModule>(true, askedTaker);
    auto last = std::make_unique<TAnsweringModule>(true, askedLast);
    modules.RegisterModule(decliner.get());
    modules.RegisterModule(taker.get());
    modules.RegisterModule(taker.get());
    modules.RegisterModule(last.get());
    EXPECT_EQ(modules.Count(), 3);

    EXPECT_TRUE(modules.ReadingOrderChanged(nullptr, &component));
    EXPECT_EQ(askedDecliner, 1);
    EXPECT_EQ(askedTaker, 1);
    EXPECT_EQ(askedLast, 0);
    EXPECT_FALSE(modules.TranslateControl(nullptr, &component)); // base answers false

    taker.reset(); // a destroyed module leaves the list
    EXPECT_EQ(modules.Count(), 2);
    modules.UnregisterModule(decliner.get());
    modules.UnregisterModule(last.get());
    EXPECT_EQ(modules.Count(), 0);
}

} // namespace
