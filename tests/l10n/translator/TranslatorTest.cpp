#include "l10n/translator/Translator.h"
#include "TranslatorTestComponents.h"
#include "TranslatorTestDictionary.h"
#include "l10n/translator/TargetProperties.h"

#include "framework/app/Forms.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Memo.h"
#include "framework/controls/Panel.h"
#include "framework/controls/StatusBar.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormWriter.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using TLang = TTranslatorTestDictionary::TLanguage;

// A window with the usual translatable texts, its translator (targets
// Caption, Hint and Items of every class) and a dictionary registered under
// "Dictionary1" that knows English, German and Arabic texts.
class Translator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dictionary = std::make_unique<TTranslatorTestDictionary>();
        dictionary->SetDictionaryName("Dictionary1");
        for (const auto& [native, english, german, arabic] : kEntries) {
            dictionary->Add(TLang::English, native, english);
            dictionary->Add(TLang::German, native, german);
            dictionary->Add(TLang::Arabic, native, arabic);
        }
        // A translation of a translation must never be used.
        dictionary->Add(TLang::Arabic, "Volumen", "WRONG");
        dictionary->Add(TLang::Arabic, "Hoehe", "WRONG");

        form = std::make_unique<TForm>();
        form->SetName("Form1");
        form->SetCaption("Tanks");
        label = Make<TLabel>("Label1");
        label->SetCaption("Volume");
        label->SetHint("Liquid volume");
        list = Make<TListBox>("List1");
        list->Items()->SetStrings({ "Volume", "Height", "m3" });
        panel = Make<TPanel>("Panel1");
        panel->SetCaption("");
        translator = new TIvTranslator(form.get());
        translator->SetName("Translator1");
        for (const char* property : { "Hint", "Caption", "Items" })
            AddTarget("", ivtkInclude, property);
    }

    template <typename T> T* Make(const char* name)
    {
        auto* control = new T(form.get());
        control->SetName(name);
        control->SetParent(form.get());
        return control;
    }

    void AddTarget(const std::string& className, std::uint8_t kind, const std::string& property)
    {
        translator->Targets().Add(TIvTargetProperty(className, kind, property));
    }

    void OpenIn(int language)
    {
        dictionary->SetLanguage(language);
        translator->SetDictionaryName("Dictionary1");
        translator->Open();
    }

    QStringList ListLines() const { return list->Items()->ToStringList(); }

    int ItemsOf(const QObject* control) const
    {
        int count = 0;
        for (int i = 0; i < translator->Table().Count(); ++i)
            count += translator->Table().Items(i).Control == control ? 1 : 0;
        return count;
    }

    struct TEntry
    {
        const char* native;
        const char* english;
        const char* german;
        const char* arabic;
    };
    static constexpr TEntry kEntries[] = {
        { "Tanks", "Tanks", "Behaelter", "ar:Tanks" },
        { "Volume", "Volume", "Volumen", "ar:Volume" },
        { "Height", "Height", "Hoehe", "ar:Height" },
        { "Liquid volume", "Liquid volume", "Fluessigvolumen", "ar:Liquid volume" },
        { "Density", "Density", "Dichte", "ar:Density" },
    };

    std::unique_ptr<TTranslatorTestDictionary> dictionary;
    std::unique_ptr<TForm> form;
    TLabel* label = nullptr;
    TListBox* list = nullptr;
    TPanel* panel = nullptr;
    TIvTranslator* translator = nullptr;
};

TEST_F(Translator, EveryPassTranslatesFromTheNativeTexts)
{
    OpenIn(TLang::German);
    ASSERT_TRUE(translator->Opened());
    EXPECT_EQ(form->Caption(), "Behaelter");
    EXPECT_EQ(label->Caption(), "Volumen");
    EXPECT_EQ(label->Hint(), "Fluessigvolumen");
    EXPECT_EQ(ListLines(), QStringList({ "Volumen", "Hoehe", "m3" }));

    dictionary->SetLanguage(TLang::Arabic); // re-translates the open window
    EXPECT_EQ(form->Caption(), "ar:Tanks");
    EXPECT_EQ(label->Caption(), "ar:Volume");
    EXPECT_EQ(label->Hint(), "ar:Liquid volume");
    EXPECT_EQ(ListLines(), QStringList({ "ar:Volume", "ar:Height", "m3" }));
}

TEST_F(Translator, ATextTheProgramChangedBecomesANewNativeText)
{
    OpenIn(TLang::German);
    const int itemsBefore = translator->Table().Count();
    label->SetCaption("Density");
    list->Items()->Put(1, "Density");

    dictionary->SetLanguage(TLang::Arabic);
    EXPECT_EQ(label->Caption(), "ar:Density");
    EXPECT_EQ(ListLines(), QStringList({ "ar:Volume", "ar:Density", "m3" }));
    // The stale items stay behind and do no harm.
    EXPECT_EQ(translator->Table().Count(), itemsBefore + 2);

    dictionary->SetLanguage(TLang::German);
    EXPECT_EQ(label->Caption(), "Dichte");
    translator->Revert();
    EXPECT_EQ(label->Caption(), "Density");
    EXPECT_EQ(ListLines(), QStringList({ "Volume", "Density", "m3" }));
}

TEST_F(Translator, EqualLinesMapBackToTheFirstMatchingItem)
{
    list->Items()->SetStrings({ "m3", "Volume", "m3", "Volume" });
    OpenIn(TLang::German);
    EXPECT_EQ(ListLines(), QStringList({ "m3", "Volumen", "m3", "Volumen" }));
    // "m3" has no translation, so its second line matches the first line's
    // item; each "Volume" line got its own item.
    EXPECT_EQ(ItemsOf(list), 3);

    list->Items()->Put(0, "ft3");
    dictionary->SetLanguage(TLang::Arabic);
    EXPECT_EQ(ListLines(), QStringList({ "ft3", "ar:Volume", "m3", "ar:Volume" }));
    EXPECT_EQ(ItemsOf(list), 4);
    translator->Revert();
    EXPECT_EQ(ListLines(), QStringList({ "ft3", "Volume", "m3", "Volume" }));
}

TEST_F(Translator, EmptyTextsAreNeitherRecordedNorLookedUp)
{
    dictionary->Add(TLang::German, "", "not empty");
    OpenIn(TLang::German);
    EXPECT_EQ(panel->Caption(), "");
    EXPECT_EQ(panel->Hint(), "");
    EXPECT_EQ(ItemsOf(panel), 0);
    EXPECT_EQ(ItemsOf(label), 2);
}

TEST_F(Translator, NameIsNeverTranslatedEvenWhenEveryPropertyOfTheClassIs)
{
    AddTarget("tlabel", ivtkInclude, ""); // class names match in any letter case
    dictionary->Add(TLang::German, "Label1", "Etikett1");
    OpenIn(TLang::German);
    EXPECT_EQ(label->Name(), "Label1");
    EXPECT_EQ(label->objectName(), "Label1");
    EXPECT_EQ(label->Caption(), "Volumen");
}

TEST_F(Translator, ListControlsKeepTheirSelection)
{
    auto* shown = Make<TComboBox>("Shown");
    shown->Items()->SetStrings({ "Volume", "Height" });
    shown->SetItemIndex(1);
    auto* hidden = Make<TComboBox>("Hidden");
    hidden->Items()->SetStrings({ "Volume", "Height" });
    hidden->SetVisible(false);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(2, true);
    list->SetItemIndex(2);
    auto* checks = Make<TCheckListBox>("Checks");
    checks->Items()->SetStrings({ "Volume", "Height", "Tanks" });
    checks->SetState(0, tankora::cbChecked);
    checks->SetState(2, tankora::cbGrayed);
    checks->SetItemIndex(1);

    OpenIn(TLang::German);
    EXPECT_EQ(shown->Items()->ToStringList(), QStringList({ "Volumen", "Hoehe" }));
    EXPECT_EQ(shown->ItemIndex(), 1);
    EXPECT_EQ(shown->Text(), "Hoehe");
    EXPECT_EQ(hidden->Items()->ToStringList(), QStringList({ "Volume", "Height" }));
    EXPECT_EQ(ListLines(), QStringList({ "Volumen", "Hoehe", "m3" }));
    EXPECT_TRUE(list->Selected(0));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_TRUE(list->Selected(2));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(checks->Items()->ToStringList(), QStringList({ "Volumen", "Hoehe", "Behaelter" }));
    EXPECT_EQ(checks->State(0), tankora::cbChecked);
    EXPECT_EQ(checks->State(1), tankora::cbUnchecked);
    EXPECT_EQ(checks->State(2), tankora::cbGrayed);
    EXPECT_EQ(checks->ItemIndex(), 1);
}

TEST_F(Translator, MemoTextIsLookedUpWithoutItsTrailingLineBreaks)
{
    auto* memo = Make<TMemo>("Memo1");
    memo->SetText("Fill\nlevel\n\n");
    AddTarget("TMemo", ivtkInclude, "Text");
    dictionary->Add(TLang::German, "Fill\nlevel", "Fuell\nstand");
    OpenIn(TLang::German);
    EXPECT_EQ(memo->Text(), "Fuell\nstand");
    dictionary->SetLanguage(TLang::English);
    EXPECT_EQ(memo->Text(), "Fill\nlevel");
}

TEST_F(Translator, OpenFindsADictionaryOrSaysThatNoneIsAssigned)
{
    translator->SetDictionaryName("Elsewhere"); // matches nothing: the first one is taken
    dictionary->SetLanguage(TLang::German);
    translator->Open();
    EXPECT_EQ(translator->Dictionary(), dictionary.get());
    EXPECT_EQ(label->Caption(), "Volumen");
    translator->Close();
    EXPECT_EQ(translator->Dictionary(), nullptr);

    dictionary.reset();
    try {
        translator->Open();
        FAIL() << "Open without any dictionary";
    } catch (const EIvMulti& error) {
        EXPECT_STREQ(error.what(),
            "No dictionary has been assigned to the translator component (Translator1 on "
            "\"Form1\" form)");
    }
    EXPECT_FALSE(translator->Opened());
    EXPECT_EQ(label->Caption(), "Volumen");
}

TEST_F(Translator, RevertRestoresEveryTextThatStillShowsItsTranslation)
{
    auto* status = Make<TStatusBar>("Status");
    AddTarget("TStatusPanel", ivtkInclude, "Text");
    status->Panels()->Add();
    status->Panel(0)->SetText("Volume");
    OpenIn(TLang::German);
    EXPECT_EQ(status->Panel(0)->Text(), "Volumen");
    label->SetHint("Set by the program");

    translator->Revert();
    EXPECT_FALSE(translator->Opened());
    EXPECT_EQ(translator->Table().Count(), 0);
    EXPECT_EQ(form->Caption(), "Tanks");
    EXPECT_EQ(label->Caption(), "Volume");
    EXPECT_EQ(label->Hint(), "Set by the program");
    EXPECT_EQ(ListLines(), QStringList({ "Volume", "Height", "m3" }));
    EXPECT_EQ(status->Panel(0)->Text(), "Volume");

    // Closed, the translator no longer follows the dictionary.
    dictionary->SetLanguage(TLang::Arabic);
    EXPECT_EQ(label->Caption(), "Volume");
}

TEST_F(Translator, AfterCloseTheNextPassRecordsTheTextsThenShown)
{
    OpenIn(TLang::German);
    translator->Close();
    EXPECT_EQ(translator->Table().Count(), 0);
    EXPECT_EQ(label->Caption(), "Volumen"); // texts stay as they are
    dictionary->Add(TLang::Arabic, "Volumen", "ar:Volumen");
    dictionary->SetLanguage(TLang::Arabic);
    translator->Open();
    EXPECT_EQ(label->Caption(), "ar:Volumen");
}

TEST_F(Translator, LanguageChangesOfTheDictionaryRetranslateTheOpenWindow)
{
    std::vector<std::string> events;
    QObject::connect(translator, &TIvTranslator::OnLanguageChange,
        [&](QObject*) { events.push_back("language"); });
    QObject::connect(
        translator, &TIvTranslator::OnLocaleChange, [&](QObject*) { events.push_back("locale"); });
    // Positions are remembered when the window is first translated.
    form->SetClientWidth(300);
    label->SetBounds(10, 10, 50, 20);
    list->SetBounds(20, 40, 100, 60);
    panel->SetBounds(200, 40, 80, 60);
    OpenIn(TLang::English);
    EXPECT_EQ(events, (std::vector<std::string> { "language", "locale" }));

    struct TStep
    {
        int language;
        QString caption, label, hint;
        QStringList lines;
        int labelLeft, listLeft, panelLeft;
    };
    const TStep steps[] = {
        { TLang::German, "Behaelter", "Volumen", "Fluessigvolumen", { "Volumen", "Hoehe", "m3" },
            10, 20, 200 },
        { TLang::Arabic, "ar:Tanks", "ar:Volume", "ar:Liquid volume",
            { "ar:Volume", "ar:Height", "m3" }, 0, 180, 20 },
        { TLang::English, "Tanks", "Volume", "Liquid volume", { "Volume", "Height", "m3" }, 10, 20,
            200 },
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.language);
        dictionary->SetLanguage(step.language);
        EXPECT_EQ(form->Caption(), step.caption);
        EXPECT_EQ(label->Caption(), step.label);
        EXPECT_EQ(label->Hint(), step.hint);
        EXPECT_EQ(ListLines(), step.lines);
        EXPECT_EQ(translator->ReadingOrder(),
            step.language == TLang::Arabic ? ivroRightToLeft : ivroLeftToRight);
        // A pass repeated in the same language moves nothing again.
        for (int pass = 0; pass < 2; ++pass) {
            // A label fits its caption, so its mirrored place depends on its width.
            EXPECT_EQ(label->Left(),
                step.language == TLang::Arabic ? 300 - label->Width() - 10 : step.labelLeft);
            EXPECT_EQ(list->Left(), step.listLeft);
            EXPECT_EQ(panel->Left(), step.panelLeft);
            EXPECT_EQ(form->Left(), 0);
            translator->Open();
        }
    }
    EXPECT_EQ(events.size(), 8U);
}

TEST_F(Translator, RevertToNativeTranslatesBackAndLeavesTheDictionaryAsItWas)
{
    OpenIn(TLang::German);
    const int locale = dictionary->ActiveLocale();
    translator->RevertToNative();
    EXPECT_FALSE(translator->Opened());
    EXPECT_EQ(label->Caption(), "Volume");
    EXPECT_EQ(ListLines(), QStringList({ "Volume", "Height", "m3" }));
    EXPECT_EQ(dictionary->LanguageIndex(), TLang::Native);
    EXPECT_EQ(dictionary->LocaleId(), locale);
    EXPECT_TRUE(dictionary->Options().testFlag(ivdoAutoTranslate));
}

TEST_F(Translator, OpenForTranslatesAnotherRootWithoutItsName)
{
    panel->SetCaption("Tanks");
    dictionary->MakeContextSensitive();
    dictionary->Add(TLang::German, "Tanks", "Panel-Behaelter", "TPanel");
    dictionary->SetLanguage(TLang::German);
    translator->SetDictionaryName("Dictionary1");
    translator->OpenFor(panel);
    EXPECT_EQ(translator->RootOverride(), panel);
    EXPECT_EQ(panel->Caption(), "Panel-Behaelter");
    EXPECT_EQ(label->Caption(), "Volume"); // not owned by the panel
    EXPECT_EQ(form->Caption(), "Tanks");
    ASSERT_GT(translator->Table().Count(), 0);
    EXPECT_EQ(translator->Table().Items(0).ComponentName, "");
}

TEST_F(Translator, ComponentsAreVisitedBeforeTheirOwnerAndOwnedFormsNeverEntered)
{
    auto* inner = new TLabel(label); // owned by the label, not by the form
    inner->SetName("Inner");
    inner->SetCaption("Height");
    auto* child = new TForm(form.get());
    child->SetName("Child");
    child->SetCaption("Tanks");
    std::vector<QString> order;
    QObject::connect(translator, &TIvTranslator::OnTranslate,
        [&](QObject*, QObject* component) { order.push_back(component->objectName()); });

    OpenIn(TLang::German);
    EXPECT_EQ(order,
        (std::vector<QString> { "Inner", "Label1", "List1", "Panel1", "Translator1", "Form1" }));
    EXPECT_EQ(inner->Caption(), "Hoehe");
    EXPECT_EQ(child->Caption(), "Tanks");
}

TEST_F(Translator, RestrictionsWithholdWorkFromAComponentAndWhatItOwns)
{
    auto* inner = new TLabel(label);
    inner->SetName("Inner");
    inner->SetCaption("Height");
    QObject::connect(translator, &TIvTranslator::OnRestrictComponent,
        [&](QObject*, QObject* component, IvMultiEnums::TIvRestrictions& restrictions) {
            if (component == label)
                restrictions |= ivrsNoProperties;
        });
    QObject::connect(translator, &TIvTranslator::OnRestrictProperty,
        [](QObject*, QObject*, const QString& name, bool& translate) {
            if (name == "Hint")
                translate = false;
        });
    OpenIn(TLang::German);
    EXPECT_EQ(label->Caption(), "Volume");
    EXPECT_EQ(inner->Caption(), "Height"); // the restriction is handed on
    EXPECT_EQ(form->Caption(), "Behaelter");

    translator->Close();
    QObject::disconnect(translator, &TIvTranslator::OnRestrictComponent, nullptr, nullptr);
    QObject::connect(translator, &TIvTranslator::OnRestrictComponent,
        [&](QObject*, QObject* component, IvMultiEnums::TIvRestrictions& restrictions) {
            if (component == label)
                restrictions |= ivrsNoProperties | ivrsSelfOnly;
        });
    translator->Open();
    EXPECT_EQ(label->Caption(), "Volume");
    EXPECT_EQ(inner->Caption(), "Hoehe"); // the self-only set is not handed on
}

} // namespace

namespace {

TEST(TranslatorLookup, ContextSensitiveDictionariesAreAskedUpTheRootsClassChain)
{
    TTranslatorTestDictionary dictionary;
    dictionary.MakeContextSensitive();
    dictionary.Add(TLang::German, "Volume", "Volumen (Basis)", "TBaseTestForm");
    dictionary.Add(TLang::German, "Height", "Hoehe (Formular)", "TForm");
    dictionary.Add(TLang::German, "Height", "Hoehe");
    dictionary.SetLanguage(TLang::German);
    dictionary.Open();

    TDerivedTestForm form;
    auto* translator = new TIvTranslator(&form);
    translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
    translator->SetDictionary(&dictionary);
    EXPECT_EQ(translator->LookupText("Volume", ""), "Volumen (Basis)");
    // The framework's form class is never asked, so its entry is not found.
    EXPECT_EQ(translator->LookupText("Height", ""), "Hoehe");
    EXPECT_EQ(translator->LookupText("Depth", ""), "Depth");
    EXPECT_EQ(dictionary.ContextLookups(), 6);
}

TEST(TranslatorLocaleProperty, IsSetOnlyWithTheOptionAndWithoutNoMirror)
{
    TTranslatorTestDictionary dictionary;
    dictionary.SetLanguage(TLang::German);
    TForm form;
    auto* holder = new TLocaleHolder(&form);
    auto* translator = new TIvTranslator(&form);
    translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
    translator->SetDictionary(&dictionary);

    translator->Open();
    EXPECT_EQ(holder->Locale(), -1); // left-to-right language, option off

    translator->SetOptions(translator->Options() | ivtoUpdateLocaleProperty);
    translator->Open();
    EXPECT_EQ(holder->Locale(), 0x0407);
    EXPECT_EQ(holder->Count(), -1); // only a property named "locale"

    holder->SetLocale(-1);
    QObject::connect(translator, &TIvTranslator::OnRestrictComponent,
        [&](QObject*, QObject* component, IvMultiEnums::TIvRestrictions& restrictions) {
            if (component == holder)
                restrictions |= ivrsNoMirror;
        });
    translator->Open();
    EXPECT_EQ(holder->Locale(), -1);
}

TEST(TranslatorLoaded, OpensByItselfOnceADictionaryIsRegistered)
{
    TForm form;
    form.SetCaption("Tanks");
    auto* translator = new TIvTranslator(&form);
    translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
    translator->Loaded(); // no dictionary yet: nothing, and no error
    EXPECT_FALSE(translator->Opened());

    TTranslatorTestDictionary dictionary;
    dictionary.Add(TLang::German, "Tanks", "Behaelter");
    dictionary.SetLanguage(TLang::German);
    translator->SetOptions(translator->Options() & ~TIvTranslatorOptions(ivtoAutoOpen));
    translator->Loaded();
    EXPECT_FALSE(translator->Opened());
    translator->SetOptions(translator->Options() | ivtoAutoOpen);
    translator->Loaded();
    EXPECT_TRUE(translator->Opened());
    EXPECT_EQ(form.Caption(), "Behaelter");
}

TEST(TranslatorLifetime, ADestroyedDictionaryIsForgottenAndAnEmptyTargetListKeepsItClosed)
{
    TForm form;
    form.SetCaption("Tanks");
    auto* translator = new TIvTranslator(&form);
    auto dictionary = std::make_unique<TTranslatorTestDictionary>();
    dictionary->Add(TLang::German, "Tanks", "Behaelter");
    dictionary->SetLanguage(TLang::German);

    translator->Open(); // no targets
    EXPECT_FALSE(translator->Opened());
    EXPECT_EQ(form.Caption(), "Tanks");

    translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
    translator->Open();
    ASSERT_TRUE(translator->Opened());
    dictionary.reset(); // closes the translator and is forgotten
    EXPECT_FALSE(translator->Opened());
    EXPECT_EQ(translator->Dictionary(), nullptr);
    EXPECT_EQ(form.Caption(), "Behaelter");
}

} // namespace

namespace {

TEST(TranslatorLayout, AStoredTranslatorKeepsItsSettingsAndOpensOnceItsFormIsRead)
{
    RegisterClass<TIvTranslator>();
    TMemoryStream stored;
    {
        TForm form;
        form.SetName("Form1");
        auto* label = new TLabel(&form);
        label->SetName("Label1");
        label->SetParent(&form);
        label->SetCaption("Volume");
        auto* translator = new TIvTranslator(&form);
        translator->SetName("Translator1");
        EXPECT_EQ(translator->Options().toInt(), 223);
        translator->SetDictionaryName("Dictionary1");
        translator->SetMultiByteScale(150);
        translator->SetNativeLayout(ivroRightToLeft);
        translator->SetOptions(TIvTranslatorOptions(ivtoAutoTranslate | ivtoAutoOpen));
        translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
        WriteComponent(stored, form);
    }

    TTranslatorTestDictionary other; // registered first: the name must choose
    other.SetDictionaryName("Other");
    TTranslatorTestDictionary dictionary;
    dictionary.SetDictionaryName("Dictionary1");
    dictionary.Add(TLang::German, "Volume", "Volumen");
    dictionary.SetLanguage(TLang::German);
    TForm form;
    TMemoryStream layout(stored.Bytes());
    ReadComponent(layout, form);

    auto* translator = dynamic_cast<TIvTranslator*>(form.FindComponent("Translator1"));
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(translator->DictionaryName(), "Dictionary1");
    EXPECT_EQ(translator->MultiByteScale(), 150);
    EXPECT_EQ(translator->NativeLayout(), ivroRightToLeft);
    EXPECT_EQ(translator->Options().toInt(), ivtoAutoTranslate | ivtoAutoOpen);
    EXPECT_EQ(translator->Targets().Count(), 1);
    EXPECT_TRUE(translator->Opened());
    EXPECT_EQ(translator->Dictionary(), &dictionary);
    EXPECT_EQ(dynamic_cast<TLabel*>(form.FindComponent("Label1"))->Caption(), "Volumen");
}

} // namespace
