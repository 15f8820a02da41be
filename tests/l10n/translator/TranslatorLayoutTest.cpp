// A translator adapting a live window's layout to its dictionary's language:
// font, character sets, multibyte scaling, right-to-left mirroring and the
// system menu, switched by the dictionary's language changes.
#include "../dictionary/MemoryDictionary.h"
#include "l10n/translator/Modules.h"
#include "l10n/translator/TargetProperties.h"
#include "l10n/translator/Translator.h"

#include "framework/app/Forms.h"
#include "framework/app/SystemMenu.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/WindowHandles.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

#include <QRect>

#include <memory>

// A module that moves one control itself and records what it is told.
class TMirrorModule : public TIvModule
{
    Q_OBJECT

public:
    explicit TMirrorModule(QWidget* handled)
        : m_handled(handled)
    {
        TIvModules::Instance().RegisterModule(this);
    }
    bool MirrorControl(TIvCustomTranslator*, QWidget* control, TIvBidirectionalState&) override
    {
        return control == m_handled;
    }
    bool UnmirrorControl(TIvCustomTranslator*, QWidget* control, TIvBidirectionalState&) override
    {
        return control == m_handled;
    }
    bool ReadingOrderChanged(TIvCustomTranslator*, QObject* component) override
    {
        told.push_back(component);
        return true;
    }

    std::vector<QObject*> told;

private:
    QWidget* m_handled;
};

namespace {

enum TLanguageIndex { kNative, kEnglish, kArabic, kJapanese };

constexpr std::uint8_t kShiftJisCharset = 128;

QRect Bounds(const TControl& control)
{
    return { control.Left(), control.Top(), control.Width(), control.Height() };
}

// A 300 x 120 form holding a panel (20, 10, 100, 50) with an edit field
// (5, 5, 40, 20) inside it and a label (200, 80, 50, 14) beside it; its
// translator translates every caption through a dictionary that knows
// English, Arabic and Japanese (with a font of its own).
class Layout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dictionary = std::make_unique<TMemoryDictionary>();
        dictionary->SetDictionaryName("Dictionary1");
        dictionary->AddLanguage(NativeLanguage());
        dictionary->AddLanguage(MakeLanguage(9, 1, 1252, "1", "English"));
        dictionary->AddLanguage(MakeLanguage(1, 1, 1256, "1", "Arabic"));
        TIvLanguage japanese = MakeLanguage(0x11, 1, 932, "1", "Japanese");
        japanese.FontName = "MS UI Gothic";
        japanese.FontSize = 9;
        dictionary->AddLanguage(japanese);
        dictionary->SetCheckLevel(ivclNone);
        dictionary->SetOptions(TIvDictionaryOptions(ivdoAutoTranslate));
        dictionary->AddEntry("Level", "tr:Level");

        form = std::make_unique<TForm>();
        form->SetName("TankForm");
        form->SetAutoScroll(false);
        form->SetClientWidth(300);
        form->SetClientHeight(120);
        form->Font()->SetName("Tahoma");
        form->Font()->SetSize(8);
        panel = Make<TPanel>("Panel1", form.get());
        panel->SetBounds(20, 10, 100, 50);
        edit = Make<TEdit>("Edit1", panel);
        edit->SetBounds(5, 5, 40, 20);
        label = Make<TLabel>("Label1", form.get());
        label->SetAutoSize(false);
        label->SetCaption("Level");
        label->SetBounds(200, 80, 50, 14);
        translator = new TIvTranslator(form.get());
        translator->SetName("Translator1");
        translator->Targets().Add(TIvTargetProperty("", ivtkInclude, "Caption"));
        QObject::connect(translator, &TIvTranslator::OnScale, [this] { ++scales; });
    }

    template <typename T> T* Make(const char* name, QWidget* parent)
    {
        auto* control = new T(form.get());
        control->SetName(name);
        control->SetParent(parent);
        return control;
    }

    void OpenIn(int language)
    {
        dictionary->SetLanguage(language);
        translator->Open();
    }

    std::unique_ptr<TMemoryDictionary> dictionary;
    std::unique_ptr<TForm> form;
    TPanel* panel = nullptr;
    TEdit* edit = nullptr;
    TLabel* label = nullptr;
    TIvTranslator* translator = nullptr;
    int scales = 0;
};

} // namespace

TEST_F(Layout, RightToLeftLanguageMirrorsEveryControlButTheRootOnceAndBack)
{
    form->move(33, 44);
    OpenIn(kEnglish);
    EXPECT_EQ(Bounds(*panel), QRect(20, 10, 100, 50));
    EXPECT_FALSE(translator->Mirrored());

    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        if (pass == 0)
            dictionary->SetLanguage(kArabic);
        else
            translator->Open(); // an opened translator translates again
        EXPECT_EQ(translator->ReadingOrder(), ivroRightToLeft);
        EXPECT_TRUE(translator->Mirrored());
        EXPECT_EQ(Bounds(*panel), QRect(300 - 100 - 20, 10, 100, 50));
        EXPECT_EQ(Bounds(*edit), QRect(100 - 40 - 5, 5, 40, 20));
        EXPECT_EQ(Bounds(*label), QRect(300 - 50 - 200, 80, 50, 14));
        EXPECT_EQ(form->pos(), QPoint(33, 44));
        EXPECT_EQ(label->Caption(), "tr:Level");
    }

    dictionary->SetLanguage(kEnglish);
    EXPECT_FALSE(translator->Mirrored());
    EXPECT_EQ(Bounds(*panel), QRect(20, 10, 100, 50));
    EXPECT_EQ(Bounds(*edit), QRect(5, 5, 40, 20));
    EXPECT_EQ(Bounds(*label), QRect(200, 80, 50, 14));
    EXPECT_EQ(translator->BiDiStates().Count(), 4) << "one record per control, the form's too";
}

TEST_F(Layout, MirroredLabelThatSizesItselfKeepsItsRightEdgeAndUnmirrorsExactly)
{
    auto* result = Make<TLabel>("Result1", panel); // sizes itself to its caption
    result->SetCaption("Level");
    result->SetLeft(10);
    OpenIn(kArabic);
    const int mirroredRight = 100 - 10;
    EXPECT_EQ(result->Left() + result->Width(), mirroredRight);

    // The program gives it a longer caption while the window is mirrored.
    const int shortWidth = result->Width();
    result->SetCaption("Level after the outflow");
    ASSERT_GT(result->Width(), shortWidth);
    EXPECT_EQ(result->Left() + result->Width(), mirroredRight) << "grew out of its place";
    translator->Open();
    EXPECT_EQ(result->Left() + result->Width(), mirroredRight) << "moved by a second pass";

    dictionary->SetLanguage(kEnglish);
    EXPECT_EQ(result->Left(), 10);
    result->SetCaption("Level");
    EXPECT_EQ(result->Left(), 10) << "a left-to-right label keeps its left edge";
    EXPECT_EQ(label->Left(), 200) << "a fixed-size label comes back as well";
}

TEST_F(Layout, MirroredControlsFollowTheirParentsNewWidthOnRequest)
{
    OpenIn(kArabic);
    form->SetClientWidth(400);
    translator->UpdateMirroredControls();
    EXPECT_EQ(panel->Left(), 400 - 100 - 20);
    EXPECT_EQ(label->Left(), 400 - 50 - 200);
    EXPECT_EQ(edit->Left(), 100 - 40 - 5);

    dictionary->SetLanguage(kEnglish);
    form->SetClientWidth(300);
    translator->UpdateMirroredControls(); // not mirrored: nothing moves
    EXPECT_EQ(panel->Left(), 20);
}

TEST_F(Layout, NoMirrorRestrictionKeepsAControlInPlace)
{
    QObject::connect(translator, &TIvTranslator::OnRestrictComponent,
        [this](QObject*, QObject* component, TIvRestrictions& restrictions) {
            if (component == panel)
                restrictions |= ivrsNoMirror;
        });
    OpenIn(kArabic);
    EXPECT_EQ(panel->Left(), 20);
    EXPECT_EQ(label->Left(), 300 - 50 - 200);
}

TEST_F(Layout, MultibyteLanguageScalesOnceAndBackExactlyOnce)
{
    translator->SetMultiByteScale(150);
    OpenIn(kEnglish);
    EXPECT_EQ(scales, 0);

    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0)
            dictionary->SetLanguage(kJapanese);
        else
            translator->Open();
        EXPECT_TRUE(translator->Scaled());
        EXPECT_EQ(scales, 1);
        EXPECT_EQ(form->ClientWidth(), 450);
        EXPECT_EQ(Bounds(*panel), QRect(30, 15, 150, 75));
        EXPECT_EQ(Bounds(*edit), QRect(8, 8, 60, 30));
    }

    dictionary->SetLanguage(kArabic);
    EXPECT_FALSE(translator->Scaled());
    EXPECT_EQ(scales, 2);
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(edit->Width(), 40);
    EXPECT_EQ(Bounds(*panel), QRect(300 - 100 - 20, 10, 100, 50)) << "and mirrored";
}

TEST_F(Layout, MultiByteScaleOf100OrNoPositiveScaleLeavesTheLayout)
{
    for (const int scale : { 100, 0, -50 }) {
        SCOPED_TRACE(scale);
        translator->SetMultiByteScale(scale);
        OpenIn(kJapanese);
        EXPECT_FALSE(translator->Scaled());
        EXPECT_EQ(scales, 0);
        EXPECT_EQ(form->ClientWidth(), 300);
        EXPECT_EQ(edit->Width(), 40);
    }
}

TEST_F(Layout, FormWithAutoScrollIsTranslatedButNotScaled)
{
    translator->SetMultiByteScale(150);
    form->SetAutoScroll(true);
    try {
        OpenIn(kJapanese);
        FAIL() << "the form was scaled";
    } catch (const EIvMulti& error) {
        EXPECT_STREQ(
            error.what(), "Cannot scale a form (TankForm) that has AutoScroll property set True");
    }
    EXPECT_EQ(label->Caption(), "tr:Level");
    EXPECT_FALSE(translator->Scaled());
    EXPECT_EQ(form->ClientWidth(), 300);
}

TEST_F(Layout, LanguageFontAppliesOnceTheWindowExistsAndTheDesignFontComesBack)
{
    OpenIn(kJapanese);
    EXPECT_EQ(form->Font()->Name(), "Tahoma") << "the window does not exist yet";
    EXPECT_EQ(label->Font()->Charset(), kShiftJisCharset) << "a label has no window";
    EXPECT_NE(edit->Font()->Charset(), kShiftJisCharset);

    form->show();
    ASSERT_TRUE(HandleAllocated(*form));
    translator->Open();
    EXPECT_EQ(form->Font()->Name(), "MS UI Gothic");
    EXPECT_EQ(form->Font()->Size(), 9);
    EXPECT_EQ(form->Font()->Charset(), kShiftJisCharset);
    EXPECT_EQ(edit->Font()->Charset(), kShiftJisCharset);

    dictionary->SetLanguage(kEnglish);
    EXPECT_EQ(form->Font()->Name(), "Tahoma");
    EXPECT_EQ(form->Font()->Size(), 8);
    EXPECT_EQ(form->Font()->Charset(), dictionary->CurrentLanguage().Charset);
}

TEST_F(Layout, SystemMenuSpeaksTheLanguageOnceTheWindowExists)
{
    // Missing texts become empty, so the close command falls back to "&Close".
    dictionary->SetMissingTranslation(ivmtUseNull);
    for (const char* text : { "&Restore", "Ma&ximize", "Level" })
        dictionary->AddEntry(text, std::string("tr:") + text);
    dictionary->AddEntry("&Move", "&Verschieben");
    dictionary->AddEntry("&Close", "&Schliessen");
    dictionary->AddEntry("Mi&nimize", std::string(300, 'm'));
    dictionary->AddEntry("About", "WRONG");
    TSystemMenu* menu = GetSystemMenu(*form);
    menu->AppendItem({ TMenuItemType::mftString, 0x1234, "About" });

    OpenIn(kEnglish);
    TMenuItemInfo item;
    ASSERT_TRUE(menu->GetItem(1, item));
    EXPECT_EQ(item.Text, "&Move") << "no window yet";

    form->show();
    translator->Open();
    const struct
    {
        int position;
        unsigned commandId;
        QString text;
    } expected[] = {
        { 0, scRestore, "tr:&Restore" },
        { 1, scMove, "&Verschieben" },
        { 2, scSize, "" },
        { 3, scMinimize, QString(255, 'm') },
        { 4, scMaximize, "tr:Ma&ximize" },
        { 5, 0, "" },
        { 6, scClose, "&Schliessen\tAlt+F4" },
        { 7, 0x1234, "About" },
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(menu->GetItem(e.position, item));
        EXPECT_EQ(item.CommandId, e.commandId) << e.position;
        EXPECT_EQ(item.Text, e.text) << e.position;
    }
    ASSERT_TRUE(menu->GetItem(5, item));
    EXPECT_EQ(item.Type, TMenuItemType::mftSeparator);
}

TEST_F(Layout, SystemMenuTextIsNeverCutThroughADoubleByteCharacter)
{
    tankora::ScopedMachineLocale machine({ std::nullopt, std::nullopt, 932 });
    const std::string hiragana = "\x82\xA0"; // one character, two bytes
    dictionary->AddEntry("&Move", std::string(253, 'm') + hiragana); // 255 bytes: fits
    dictionary->AddEntry("Mi&nimize", std::string(254, 'm') + hiragana); // 256 bytes
    form->show();
    OpenIn(kEnglish);
    TSystemMenu* menu = GetSystemMenu(*form);
    TMenuItemInfo item;
    ASSERT_TRUE(menu->GetItem(1, item));
    EXPECT_EQ(item.Text, QString(253, 'm') + QChar(0x3042));
    ASSERT_TRUE(menu->GetItem(3, item));
    EXPECT_EQ(item.Text, QString(254, 'm'));
}

TEST_F(Layout, ModulesMayMirrorAControlThemselvesAndAreToldOfReadingOrderChanges)
{
    TMirrorModule module(panel);
    OpenIn(kEnglish);
    module.told.clear();
    dictionary->SetLanguage(kArabic);
    EXPECT_EQ(panel->Left(), 20) << "the module moved it (not at all)";
    EXPECT_EQ(label->Left(), 300 - 50 - 200);
    // Every control whose reading order changed, the form last; the
    // translator itself has no reading order and is always told.
    EXPECT_EQ(module.told, (std::vector<QObject*> { panel, edit, label, translator, form.get() }));

    module.told.clear();
    translator->Open();
    EXPECT_EQ(module.told, (std::vector<QObject*> { panel, translator }))
        << "the panel's record never took the new order";
}

#include "TranslatorLayoutTest.moc"
