#include "l10n/translator/TargetProperties.h"
#include "l10n/translator/Translator.h"

#include "framework/app/Forms.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormWriter.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"
#include "l10n/dictionary/Dictionary.h"

#include <gtest/gtest.h>

#include <memory>

// A component that stores a target list the way the translator does.
class TTargetsHolder : public TComponent
{
    Q_OBJECT
    TANKORA_COMPONENT_PROPERTIES
    Q_PROPERTY(TIvTargetProperties* Targets READ Targets)

public:
    using TComponent::TComponent;
    TIvTargetProperties* Targets() { return &targets; }
    void DefineProperties(TFiler& filer) override { DefineTargetsData(filer, targets); }

    TIvTargetProperties targets;
};

namespace {

// The list the main window's translator stores.
struct TMainWindowTargets : TIvTargetProperties
{
    TMainWindowTargets()
    {
        Add({ "", ivtkInclude, "Hint" });
        Add({ "", ivtkInclude, "Caption" });
        Add({ "", ivtkInclude, "Items" });
    }
};

QByteArray TargetsDataOf(const TIvTargetProperties& targets)
{
    TMemoryStream stream;
    TWriter writer(stream);
    targets.WriteTargetsData(writer, nullptr);
    return stream.Bytes();
}

void ReadTargetsDataInto(TIvTargetProperties& targets, const QByteArray& bytes)
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    targets.ReadTargetsData(reader);
}

// The value as the main window stores it.
const QByteArray kMainWindowTargetsData = QByteArray::fromHex("0102010203"
                                                              "0106000604"
                                                              "48696e74020000"
                                                              "01060006074361"
                                                              "7074696f6e020000"
                                                              "0106000605"
                                                              "4974656d7302000000");

} // namespace

TEST(TargetProperties, MainWindowListTranslatesCaptionsHintsAndItemsOfEveryClass)
{
    const TMainWindowTargets targets;
    const struct
    {
        const char* className;
        const char* propertyName;
        bool target;
    } cases[] = {
        { "TLabel", "Caption", true },
        { "TMainForm", "Caption", true },
        { "TBitBtn", "Hint", true },
        { "TComboBox", "Items", true },
        { "TLabel", "caption", true },
        { "TEdit", "Text", false },
        { "TMemo", "Lines", false },
        { "TLabel", "Name", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(targets.IsTarget(c.className, c.propertyName), c.target)
            << c.className << "." << c.propertyName;
    EXPECT_EQ(targets.ExclusionCount(), 0);
}

TEST(TargetProperties, ExclusionWinsWhereverItStands)
{
    TMainWindowTargets targets;
    targets.Add({ "TLabel", ivtkExclude, "Caption" });
    EXPECT_EQ(targets.ExclusionCount(), 1);
    EXPECT_FALSE(targets.IsTarget("TLabel", "Caption"));
    EXPECT_TRUE(targets.IsExcluded("TLabel", "Caption"));
    EXPECT_TRUE(targets.IsTarget("TLabel", "Hint"));
    EXPECT_TRUE(targets.IsTarget("TButton", "Caption"));

    TIvTargetProperties exclusionFirst;
    exclusionFirst.Add({ "", ivtkExclude, "Hint" });
    exclusionFirst.Add({ "TLabel", ivtkInclude, "" });
    EXPECT_FALSE(exclusionFirst.IsTarget("TLabel", "Hint"));
    EXPECT_TRUE(exclusionFirst.IsTarget("TLabel", "Caption"));
}

TEST(TargetProperties, ClassWideEntryMatchesOnlyThatClassInAnyAsciiCase)
{
    TIvTargetProperties targets;
    targets.Add({ "tlabel", ivtkInclude, "" });
    EXPECT_TRUE(targets.IsTarget("TLabel", "Caption"));
    EXPECT_TRUE(targets.IsTarget("TLabel", "Name"));
    EXPECT_FALSE(targets.IsTarget("TCustomLabel", "Caption"));
    EXPECT_FALSE(targets.IsTarget("TLabelEx", "Caption"));

    // Case folding stops at ASCII: 0xC9 and 0xE9 are different letters to it.
    TIvTargetProperties accented;
    accented.Add({ "T\xC9tiquette", ivtkInclude, "" });
    EXPECT_FALSE(accented.IsTarget("T\xE9tiquette", "Caption"));
    EXPECT_TRUE(accented.IsTarget("t\xC9TIQUETTE", "Caption"));
}

TEST(TargetProperties, EntriesThatMatchNothing)
{
    const TIvTargetProperty bothEmpty;
    EXPECT_FALSE(TIvTargetProperties::Matches(bothEmpty, "TLabel", "Caption"));

    TIvTargetProperties otherKind;
    otherKind.Add({ "", 2, "Caption" });
    EXPECT_FALSE(otherKind.IsTarget("TLabel", "Caption"));
    EXPECT_FALSE(otherKind.IsExcluded("TLabel", "Caption"));

    EXPECT_FALSE(TIvTargetProperties().IsTarget("TLabel", "Caption"));
}

TEST(TargetProperties, LetterCaseSeparatesEntriesButNotMatches)
{
    const TIvTargetProperty upper("TLabel", ivtkInclude, "Caption");
    const TIvTargetProperty lower("tlabel", ivtkInclude, "caption");
    TIvTargetProperties targets;
    targets.Add(upper);
    EXPECT_EQ(targets.IndexOf(upper), 0);
    EXPECT_EQ(targets.IndexOf(lower), -1);
    EXPECT_EQ(targets.IndexOf({ "TLabel", ivtkExclude, "Caption" }), -1);
    EXPECT_TRUE(TIvTargetProperties::Matches(lower, "TLabel", "Caption"));

    targets.Add(lower);
    ReadTargetsDataInto(targets, TargetsDataOf(targets));
    EXPECT_EQ(targets.Count(), 2);
}

TEST(TargetProperties, SameAsIgnoresOrderButNotCount)
{
    const TMainWindowTargets targets;
    TIvTargetProperties reversed;
    for (int i = targets.Count() - 1; i >= 0; --i)
        reversed.Add(targets.Items(i));
    EXPECT_TRUE(targets.SameAs(reversed));

    reversed.Add({ "", ivtkInclude, "Hint" });
    EXPECT_FALSE(targets.SameAs(reversed));

    TIvTargetProperties copy;
    copy.Add({ "x", ivtkExclude, "y" });
    copy.Assign(reversed);
    EXPECT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.ExclusionCount(), 0);
    EXPECT_EQ(copy.Items(3), reversed.Items(3));
    EXPECT_THROW(copy.Items(4), ERangeError);
}

TEST(TargetsData, MainWindowListIsStoredAsTheExactBytes)
{
    EXPECT_EQ(TargetsDataOf(TMainWindowTargets()).toHex(), kMainWindowTargetsData.toHex());
}

TEST(TargetsData, ReadingKeepsPresentEntriesAndDropsRepeats)
{
    TIvTargetProperties targets;
    targets.Add({ "", ivtkInclude, "Caption" });
    targets.Add({ "TEdit", ivtkExclude, "Hint" });
    ReadTargetsDataInto(targets, kMainWindowTargetsData);
    ASSERT_EQ(targets.Count(), 4);
    EXPECT_EQ(targets.Items(1), TIvTargetProperty("TEdit", ivtkExclude, "Hint"));
    EXPECT_EQ(targets.Items(2), TIvTargetProperty("", ivtkInclude, "Hint"));
    EXPECT_EQ(targets.Items(3), TIvTargetProperty("", ivtkInclude, "Items"));
    EXPECT_EQ(targets.ExclusionCount(), 1);
}

TEST(TargetsData, VersionAboveOneFailsAndLowerOnesAreRead)
{
    QByteArray version2 = kMainWindowTargetsData;
    version2[2] = 2;
    TIvTargetProperties targets;
    try {
        ReadTargetsDataInto(targets, version2);
        FAIL() << "version 2 was accepted";
    } catch (const EIvMulti& error) {
        EXPECT_STREQ(error.what(), "Unknown target properties data version: 2");
    }
    EXPECT_EQ(targets.Count(), 0);

    QByteArray version0 = kMainWindowTargetsData;
    version0[2] = 0;
    ReadTargetsDataInto(targets, version0);
    EXPECT_TRUE(targets.SameAs(TMainWindowTargets()));
}

TEST(TargetsData, TruncatedValueFailsAndKeepsTheEntriesReadSoFar)
{
    TIvTargetProperties targets;
    const QByteArray cut = kMainWindowTargetsData.left(kMainWindowTargetsData.indexOf("Caption"));
    EXPECT_THROW(ReadTargetsDataInto(targets, cut), EReadError);
    ASSERT_EQ(targets.Count(), 1);
    EXPECT_EQ(targets.Items(0).PropertyName, "Hint");

    // A count far beyond the data reserves nothing and stops at the end.
    QByteArray huge = QByteArray::fromHex("010201047fffffff");
    TIvTargetProperties none;
    EXPECT_THROW(ReadTargetsDataInto(none, huge), EReadError);
    EXPECT_EQ(none.Count(), 0);
}

namespace {

// The stored layout of a form whose translator holds targets.
QByteArray StoredFormWith(const TIvTargetProperties& targets)
{
    RegisterClass<TTargetsHolder>();
    TForm form;
    auto* holder = new TTargetsHolder(&form);
    holder->SetName("Translator1");
    holder->targets.Assign(targets);
    TMemoryStream stored;
    WriteComponent(stored, form);
    return stored.Bytes();
}

// The target list of the translator read back from a stored layout into form.
const TIvTargetProperties* LoadedTargets(TForm& form, const QByteArray& bytes)
{
    TMemoryStream in(bytes);
    ReadComponent(in, form);
    const auto* holder = dynamic_cast<TTargetsHolder*>(form.FindComponent("Translator1"));
    return holder ? &holder->targets : nullptr;
}

} // namespace

TEST(TargetsData, StoredLayoutRoundTripsThroughTheFormLoaderAndWriter)
{
    const QByteArray stored = StoredFormWith(TMainWindowTargets());
    EXPECT_TRUE(stored.contains(QByteArray("\x0bTargetsData") + kMainWindowTargetsData));
    EXPECT_FALSE(stored.contains("Targets.Data")) << "the legacy value is never written";

    TForm loaded;
    const TIvTargetProperties* targets = LoadedTargets(loaded, stored);
    ASSERT_NE(targets, nullptr);
    EXPECT_TRUE(targets->SameAs(TMainWindowTargets()));

    EXPECT_FALSE(StoredFormWith(TIvTargetProperties()).contains("TargetsData"))
        << "an empty list stores nothing";
}

TEST(TargetsData, TranslatorStoresItsListAndReadsItBack)
{
    RegisterClass<TIvTranslator>();
    TForm form;
    auto* translator = new TIvTranslator(&form);
    translator->SetName("Translator1");
    translator->SetTargets(TMainWindowTargets());
    TMemoryStream stored;
    WriteComponent(stored, form);
    EXPECT_TRUE(stored.Bytes().contains(QByteArray("\x0bTargetsData") + kMainWindowTargetsData));

    TForm loaded;
    TMemoryStream in(stored.Bytes());
    ReadComponent(in, loaded);
    const auto* read = dynamic_cast<TIvTranslator*>(loaded.FindComponent("Translator1"));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->Targets().SameAs(TMainWindowTargets()));
}

TEST(TargetsData, LegacyDataIsReadAsInclusions)
{
    // The stored value swapped for a legacy one: (TLabel, Caption), ("", Hint).
    QByteArray bytes = StoredFormWith(TMainWindowTargets());
    const QByteArray value = QByteArray("\x0bTargetsData") + kMainWindowTargetsData;
    const QByteArray legacy = QByteArray("\x0cTargets.Data") + QByteArray::fromHex("010202")
        + QByteArray::fromHex("0606") + "TLabel" + QByteArray::fromHex("0607") + "Caption"
        + QByteArray::fromHex("0600") + QByteArray::fromHex("0604") + "Hint"
        + QByteArray::fromHex("00");
    ASSERT_TRUE(bytes.contains(value));
    bytes.replace(value, legacy);

    TForm loaded;
    const TIvTargetProperties* targets = LoadedTargets(loaded, bytes);
    ASSERT_NE(targets, nullptr);
    ASSERT_EQ(targets->Count(), 2);
    EXPECT_EQ(targets->Items(0), TIvTargetProperty("TLabel", ivtkInclude, "Caption"));
    EXPECT_EQ(targets->Items(1), TIvTargetProperty("", ivtkInclude, "Hint"));
}

#include "TargetPropertiesTest.moc"
