// The translator's life cycle: dictionary binding, Open, Close, Revert and
// the reaction to dictionary changes. The pass itself is in
// TranslatorPass.cpp, the texts in TranslatorTexts.cpp.
#include "l10n/translator/Translator.h"

#include "l10n/translator/TargetProperties.h"

#include "framework/app/Forms.h"
#include "framework/app/ResStrings.h"
#include "nls/GuiText.h"

#include <QWidget>

namespace {

// Open found no dictionary at all: the translator's name, the root's name.
constexpr TResString SNoDictionaryAssigned { "SNoDictionaryAssigned",
    "No dictionary has been assigned to the translator component (%s on \"%s\" form)" };

std::string NameOf(const TComponentBase* component)
{
    return component ? tankora::QStringToAnsi(component->Name()) : std::string();
}

} // namespace

// ---------------------------------------------------------------------------
// TIvCustomTranslator

TIvCustomTranslator::TIvCustomTranslator(TComponentBase* owner)
    : TComponent(owner)
{ }

TIvCustomTranslator::~TIvCustomTranslator()
{
    DetachFromDictionary();
}

QString TIvCustomTranslator::DictionaryName() const
{
    return tankora::AnsiToQString(m_dictionaryName);
}

void TIvCustomTranslator::SetDictionaryName(const QString& name)
{
    const std::string newName = tankora::QStringToAnsi(name);
    if (newName == m_dictionaryName)
        return;
    const TIvDictionaries* registry = Dictionaries();
    SetDictionary(registry ? registry->FindByName(newName) : nullptr);
    m_dictionaryName = newName;
}

void TIvCustomTranslator::SetDictionary(TIvDictionary* dictionary)
{
    if (dictionary != m_dictionary) {
        if (Opened() && !IsDesigning())
            Revert();
        TakeDictionary(dictionary);
        if (dictionary)
            m_dictionaryName = dictionary->DictionaryName();
    }
    if (dictionary)
        dictionary->FreeNotification(this);
}

void TIvCustomTranslator::SetStateFlag(TIvTranslatorState flag, bool on)
{
    m_state = on ? static_cast<std::uint8_t>(m_state | flag)
                 : static_cast<std::uint8_t>(m_state & ~flag);
}

QWidget* TIvCustomTranslator::GetRootHandle() const
{
    return nullptr;
}

void TIvCustomTranslator::TranslateRoot() { }

void TIvCustomTranslator::DictionaryChanged(bool languageChanged, bool localeChanged)
{
    if (languageChanged)
        emit OnLanguageChange(this);
    if (localeChanged)
        emit OnLocaleChange(this);
}

void TIvCustomTranslator::Open()
{
    SetStateFlag(ivtsOpened, true);
}

void TIvCustomTranslator::Close()
{
    if (Opened())
        DetachFromDictionary();
    ForgetDictionary();
    m_state = 0;
}

void TIvCustomTranslator::Revert()
{
    Close();
}

void TIvCustomTranslator::Notification(TComponentBase* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && m_dictionary
        && component == static_cast<TComponentBase*>(m_dictionary))
        ForgetDictionary();
}

void TIvCustomTranslator::AttachToDictionary()
{
    if (m_dictionary)
        m_dictionary->AttachTranslator(this);
}

void TIvCustomTranslator::DetachFromDictionary()
{
    if (m_dictionary)
        m_dictionary->DetachTranslator(this);
}

void TIvCustomTranslator::ForgetDictionary()
{
    m_dictionary = nullptr;
}

void TIvCustomTranslator::TakeDictionary(TIvDictionary* dictionary)
{
    m_dictionary = dictionary;
    if (dictionary)
        dictionary->FreeNotification(this);
}

// ---------------------------------------------------------------------------
// TIvTranslator

TIvTranslator::TIvTranslator(TComponentBase* owner)
    : TIvCustomTranslator(owner)
    , m_table(std::make_unique<TIvTranslatorTable>())
    , m_targets(std::make_unique<TIvTargetProperties>())
    , m_biDiStates(std::make_unique<TIvBiDiStates>())
{ }

TIvTranslator::~TIvTranslator()
{
    Destroying();
    TIvTranslator::Close();
}

void TIvTranslator::SetRootOverride(TComponentBase* root)
{
    m_rootOverride = root;
    if (root)
        root->FreeNotification(this);
}

void TIvTranslator::SetTargets(const TIvTargetProperties& targets)
{
    m_targets->Assign(targets);
}

TComponentBase* TIvTranslator::GetRoot() const
{
    return m_rootOverride ? m_rootOverride : Owner();
}

void TIvTranslator::DictionaryChanged(bool languageChanged, bool localeChanged)
{
    if (Opened() && HasOption(ivtoAutoTranslate))
        Open();
    TIvCustomTranslator::DictionaryChanged(languageChanged, localeChanged);
}

void TIvTranslator::Open()
{
    if (Opened()) {
        TranslateRoot();
        return;
    }
    if (!m_dictionary) {
        const TIvDictionaries* registry = Dictionaries();
        if (!registry || registry->Count() == 0)
            throw EIvMulti(FormatResString(SNoDictionaryAssigned, NameOf(this), NameOf(GetRoot())));
        TIvDictionary* found
            = m_dictionaryName.empty() ? nullptr : registry->FindByName(m_dictionaryName);
        TakeDictionary(found ? found : registry->Items(0));
    }
    if (m_dictionary->IsDesigning() || !m_dictionary->CanOpen() || m_targets->Count() == 0)
        return;
    if (!m_dictionary->Active())
        m_dictionary->Open();

    const TComponentBase* root = GetRoot();
    const auto* form = root ? dynamic_cast<const TCustomForm*>(root) : nullptr;
    m_designFontName = form ? tankora::QStringToAnsi(form->Font()->Name()) : std::string();
    m_designFontSize = form ? form->Font()->Size() : 0;
    if (!m_rootOverride)
        SetRootOverride(Owner());

    TranslateRoot();
    DictionaryChanged(true, true);
    AttachToDictionary();
    SetStateFlag(ivtsOpened, true);
}

void TIvTranslator::Close()
{
    TIvCustomTranslator::Close();
    m_table->Clear();
    m_rootOverride = nullptr;
}

void TIvTranslator::Revert()
{
    if (!Opened())
        return;
    // Detach, forget the dictionary and clear the flags, but keep the table.
    TIvCustomTranslator::Close();
    // Without a dictionary every text that still shows its translation gets
    // its native text back through the table.
    TranslateRoot();
    Close();
}

void TIvTranslator::RevertToNative()
{
    if (TIvDictionary* dictionary = m_dictionary) {
        const int locale = dictionary->ActiveLocale();
        const TIvDictionaryOptions options = dictionary->Options();
        // The options come back also when the pass fails, so the dictionary
        // does not stay without ivdoAutoTranslate.
        struct TRestoreOptions
        {
            TIvDictionary* dictionary;
            TIvDictionaryOptions options;
            ~TRestoreOptions() { dictionary->SetOptions(options); }
        } restore { dictionary, options };
        dictionary->SetOptions(options & ~TIvDictionaryOptions(ivdoAutoTranslate));
        dictionary->SetLanguage(0);
        Open();
        dictionary->SetLocale(locale);
    }
    Close();
}

void TIvTranslator::OpenFor(TComponentBase* component)
{
    SetRootOverride(component);
    Open();
}

void TIvTranslator::Loaded()
{
    TIvCustomTranslator::Loaded();
    if (IsDesigning() || !HasOption(ivtoAutoOpen))
        return;
    const TIvDictionaries* registry = Dictionaries();
    if (m_dictionary || (registry && registry->Count() > 0))
        Open();
}

void TIvTranslator::Notification(TComponentBase* component, TOperation operation)
{
    TIvCustomTranslator::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_rootOverride)
        m_rootOverride = nullptr;
}
