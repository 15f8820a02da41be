#pragma once
// The translator: a non-visual component placed on a form. Opened, it attaches
// to a dictionary and rewrites the texts of its root (the owner, or
// RootOverride) and of every component the root owns: each published string
// property, string list and memo text that its target list names. It
// remembers every native text it replaces (Table), so the next language is
// translated from the native text and never from an earlier translation, and
// it re-translates by itself when its dictionary reports a language or locale
// change. The same pass adapts the layout to the language (font, multibyte
// scaling, right-to-left mirroring, system menu).
//
// Failures are EIvMulti exceptions: "No dictionary has been assigned to the
// translator component (%s on "%s" form)" when Open finds no dictionary at
// all. Exceptions from the dictionary or from the events leave a pass where it
// stopped; string lists leave update mode.
//
// Events are signals; the restriction events take their in-out value by
// reference, so handlers must be connected directly (the default on the GUI
// thread).

#include "l10n/dictionary/Dictionary.h"
#include "l10n/translator/TranslatorTable.h"
#include "l10n/translator/TranslatorTypes.h"

#include "framework/core/Component.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QMetaProperty;
class QWidget;
class TFont;
class TStrings;
class TIvTargetProperties;

class TIvCustomTranslator : public TComponent, public TIvDictionaryListener
{
    Q_OBJECT
    Q_PROPERTY(QString DictionaryName READ DictionaryName WRITE SetDictionaryName)

public:
    // State flag bits. 8 is kept free for a collecting pass, which no
    // dictionary of this program asks for.
    enum TIvTranslatorState : std::uint8_t { ivtsOpened = 1, ivtsScaled = 2, ivtsMirrored = 4 };

    explicit TIvCustomTranslator(TComponentBase* owner = nullptr);
    ~TIvCustomTranslator() override;

    TIvDictionary* Dictionary() const { return m_dictionary; }
    // When it differs: an opened translator (outside design mode) reverts
    // first; then the dictionary is kept (not owned) and, when there is one,
    // DictionaryName takes its name. The translator forgets a dictionary when
    // it is destroyed.
    void SetDictionary(TIvDictionary* dictionary);
    QString DictionaryName() const;
    // A different name (exact comparison) selects the registered dictionary of
    // that name, or none; the name is kept either way, for Open.
    void SetDictionaryName(const QString& name);

    std::uint8_t State() const { return m_state; }
    bool Opened() const { return (m_state & ivtsOpened) != 0; }
    bool Scaled() const { return (m_state & ivtsScaled) != 0; }
    bool Mirrored() const { return (m_state & ivtsMirrored) != 0; }
    void SetStateFlag(TIvTranslatorState flag, bool on);

    // The root's window when the root is a widget whose window exists, else null.
    virtual QWidget* GetRootHandle() const;
    // One full translation pass.
    virtual void TranslateRoot();
    // Called by the dictionary on a language and/or locale change: an opened
    // translator with ivtoAutoTranslate re-translates; then the change events.
    void DictionaryChanged(bool languageChanged, bool localeChanged) override;
    virtual void Open();
    // Detaches, forgets the dictionary, clears the flags, the table and
    // RootOverride. The texts stay as they are.
    void Close() override;
    // Puts back every text that still shows its translation, then closes.
    virtual void Revert();

    void Notification(TComponentBase* component, TOperation operation) override;

signals:
    void OnBeforeTranslate(QObject* Sender);
    void OnAfterTranslate(QObject* Sender);
    void OnLocaleChange(QObject* Sender);
    void OnLanguageChange(QObject* Sender);

protected:
    // Attaches to and detaches from the dictionary's translator list.
    void AttachToDictionary();
    void DetachFromDictionary();
    // Forgets the dictionary without reverting (it is closing or going away).
    void ForgetDictionary();
    // Keeps dictionary and asks to be told when it goes.
    void TakeDictionary(TIvDictionary* dictionary);

    TIvDictionary* m_dictionary = nullptr;
    std::string m_dictionaryName;
    std::uint8_t m_state = 0;
};

class TIvTranslator : public TIvCustomTranslator
{
    Q_OBJECT
    Q_PROPERTY(IvMultiEnums::TIvReadingOrder NativeLayout READ NativeLayout WRITE SetNativeLayout)
    Q_PROPERTY(IvMultiEnums::TIvTranslatorOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(int MultiByteScale READ MultiByteScale WRITE SetMultiByteScale)

public:
    explicit TIvTranslator(TComponentBase* owner = nullptr);
    ~TIvTranslator() override;

    TIvReadingOrder NativeLayout() const { return m_nativeLayout; }
    void SetNativeLayout(TIvReadingOrder layout) { m_nativeLayout = layout; }
    // The reading order of the active language, set by every pass.
    TIvReadingOrder ReadingOrder() const { return m_readingOrder; }
    TIvTranslatorOptions Options() const { return m_options; }
    void SetOptions(TIvTranslatorOptions options) { m_options = options; }
    bool HasOption(TIvTranslatorOption option) const { return m_options.testFlag(option); }
    // Percent; 100 switches multibyte scaling off.
    int MultiByteScale() const { return m_multiByteScale; }
    void SetMultiByteScale(int percent) { m_multiByteScale = percent; }

    // The component translated instead of the owner (not owned), or null.
    TComponentBase* RootOverride() const { return m_rootOverride; }
    void SetRootOverride(TComponentBase* root);
    TIvTranslatorTable& Table() { return *m_table; }
    TIvTargetProperties& Targets() { return *m_targets; }
    const TIvTargetProperties& Targets() const { return *m_targets; }
    // Copies the entries of targets.
    void SetTargets(const TIvTargetProperties& targets);
    TIvBiDiStates& BiDiStates() { return *m_biDiStates; }
    // The root form's font when the translator was opened (empty and 0 for
    // another root).
    const std::string& DesignFontName() const { return m_designFontName; }
    int DesignFontSize() const { return m_designFontSize; }

    // RootOverride, else the owner.
    virtual TComponentBase* GetRoot() const;
    QWidget* GetRootHandle() const override;
    void TranslateRoot() override;
    void DictionaryChanged(bool languageChanged, bool localeChanged) override;
    void Open() override;
    void Close() override;
    void Revert() override;

    // Translates the object's published properties (not its owned components).
    virtual void TranslateObject(QObject* object, TIvRestrictions restrictions);
    // Translates the component after every component it owns (owned forms
    // are never entered).
    virtual void TranslateComponent(QObject* component, TIvRestrictions restrictions);
    // Applies the current language's font (or the recorded design font) to
    // the root form once its window exists.
    virtual void ApplyLanguageFont();
    // Moves the control to its mirrored position (parent width - width - left).
    virtual void MirrorControl(QWidget* control, TIvBidirectionalState& state);
    // Moves the control back to the record's DesignLeft.
    virtual void UnmirrorControl(QWidget* control, TIvBidirectionalState& state);
    // Translates a memo's text (after offering the control to the modules).
    virtual void TranslateControlText(QObject* control);
    // Offers the reading-order change of the component to the modules.
    virtual void ReadingOrderChanged(QObject* component);
    // Translates component instead of the owner.
    virtual void OpenFor(TComponentBase* component);
    // Translates back into the native language and closes.
    virtual void RevertToNative();
    // Re-places one mirrored control (after its parent changed size).
    virtual void UpdateMirroredControl(QWidget* control);
    // Re-places every mirrored control.
    virtual void UpdateMirroredControls();

    // The text to show for value of the object's property, remembering the
    // native text in the table.
    std::string TranslateProperty(QObject* control, const std::string& componentName,
        const std::string& propertyName, const std::string& value);
    // Translates every line of the list in place, inside one update.
    void TranslateStrings(QObject* control, const std::string& componentName,
        const std::string& propertyName, TStrings& strings);
    // The text translated through the dictionary (with context look-up when
    // the dictionary is context-sensitive); the text itself without one.
    std::string LookupText(const std::string& text, const std::string& componentName) const;

    void Loaded() override;
    // Declares "TargetsData".
    void DefineProperties(TFiler& filer) override;
    void Notification(TComponentBase* component, TOperation operation) override;

signals:
    void OnTranslate(QObject* Sender, QObject* Component);
    void OnScale(QObject* Sender, QObject* Component);
    void OnRestrictComponent(
        QObject* Sender, QObject* Component, IvMultiEnums::TIvRestrictions& Restrictions);
    void OnRestrictObject(QObject* Sender, QObject* Object, bool& Translate);
    void OnRestrictProperty(
        QObject* Sender, QObject* Object, const QString& PropertyName, bool& Translate);

protected:
    // Layout steps of a pass.
    // Translates the system menu of window (null: nothing).
    void TranslateSystemMenu(QWidget* window);
    // Scales the root for a multibyte language or back (sets Scaled, fires
    // OnScale); EIvMulti for a form with AutoScroll.
    void ApplyMultiByteScaling();
    // Updates the Mirrored flag and refreshes the root's frame when it changed.
    void RefreshMirroredFrame();
    // The mirroring step for one component during the traversal.
    void MirrorComponent(QObject* component, TIvRestrictions restrictions);
    // Gives the font of object the language's character set where it may.
    void ApplyFontCharset(QObject* object, TFont& font);

private:
    // Steps of TranslateObject for the property kinds.
    void TranslateStringProperty(QObject* object, const QMetaProperty& property,
        const std::string& className, const std::string& componentName);
    void TranslateObjectProperty(QObject* object, const QMetaProperty& property,
        const std::string& className, const std::string& componentName,
        TIvRestrictions restrictions);
    // Translates a string-list property, keeping the owning control's selection.
    void TranslateListProperty(QObject* control, TStrings& strings, const std::string& propertyName,
        const std::string& componentName);
    bool IncludesIntegerProperties() const;

    TIvReadingOrder m_nativeLayout = ivroLeftToRight;
    TIvReadingOrder m_readingOrder = ivroLeftToRight;
    TComponentBase* m_rootOverride = nullptr;
    std::unique_ptr<TIvTranslatorTable> m_table;
    std::unique_ptr<TIvTargetProperties> m_targets;
    TIvTranslatorOptions m_options = kDefaultTranslatorOptions;
    std::string m_designFontName;
    int m_designFontSize = 0;
    int m_multiByteScale = 100;
    std::unique_ptr<TIvBiDiStates> m_biDiStates;
    // Objects whose properties are being translated, outermost first.
    std::vector<const QObject*> m_objectPath;
};
