// One translation pass: the root, the components it owns (depth first, owned
// components before their owner) and the published properties of each.
#include "l10n/translator/Translator.h"

#include "framework/controls/WindowHandles.h"
#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/LocaleCharsets.h"
#include "l10n/dictionary/PropInfoList_p.h"
#include "l10n/translator/TargetProperties.h"

#include "framework/app/Forms.h"
#include "framework/core/Collection.h"
#include "framework/core/Strings.h"
#include "nls/GuiText.h"

#include <QMetaProperty>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

bool IsForm(const QObject* object)
{
    return dynamic_cast<const TCustomForm*>(object) != nullptr;
}

bool EqualsIgnoringCase(const char* name, const char* expected)
{
    return QByteArray(name).compare(expected, Qt::CaseInsensitive) == 0;
}

// A string property's value as an 8-bit text (QString properties through the
// active code page, QByteArray ones as they are).
std::string ReadText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    return tankora::QStringToAnsi(value.toString());
}

QVariant TextValue(const std::string& text, const QVariant& like)
{
    if (like.metaType().id() == QMetaType::QByteArray)
        return QVariant(QByteArray::fromStdString(text));
    return QVariant(tankora::AnsiToQString(text));
}

// Marks an object as being translated for as long as the guard lives, so an
// object property that leads back to an object already on the way is not
// entered again (a reference cycle would otherwise never end).
class TVisitGuard
{
public:
    TVisitGuard(std::vector<const QObject*>& path, const QObject* object)
        : m_path(path)
        , m_entered(std::find(path.begin(), path.end(), object) == path.end())
    {
        if (m_entered)
            m_path.push_back(object);
    }
    ~TVisitGuard()
    {
        if (m_entered)
            m_path.pop_back();
    }
    TVisitGuard(const TVisitGuard&) = delete;
    TVisitGuard& operator=(const TVisitGuard&) = delete;
    bool Entered() const { return m_entered; }

private:
    std::vector<const QObject*>& m_path;
    bool m_entered;
};

// A published property that a pass may act on, with what the pass asks of
// it worked out once per class.
struct TPassProperty
{
    QMetaProperty property;
    TIvTypeKind kind;
    QString name;
    bool isName; // "name", any letter case
    bool isLocale; // "locale", any letter case
};

// The readable and writable published properties of the object's class whose
// kind a pass handles (string and object properties, integers when asked
// for), in the order of the class's type information. Classes do not change
// while the program runs, so each list is built once: building it asks the
// type information about every property of the class, a cost a pass would
// otherwise pay for every object it visits.
const std::vector<TPassProperty>& PassProperties(const QObject* object, bool withIntegers)
{
    static std::unordered_map<const QMetaObject*, std::vector<TPassProperty>> lists[2];
    auto& cache = lists[withIntegers ? 1 : 0];
    const QMetaObject* meta = object->metaObject();
    if (const auto found = cache.find(meta); found != cache.end())
        return found->second;

    TIvTypeKinds kinds = TypeKindBit(tkString) | TypeKindBit(tkLString) | TypeKindBit(tkClass);
    if (withIntegers)
        kinds |= TypeKindBit(tkInteger);
    const TIvPropInfoList published(object, kinds);
    std::vector<TPassProperty> properties;
    for (int i = 0; i < published.Count(); ++i) {
        const QMetaProperty& property = published.Items(i);
        if (!property.isReadable() || !property.isWritable())
            continue;
        properties.push_back({ property, TypeKindOf(property), QString::fromLatin1(property.name()),
            EqualsIgnoringCase(property.name(), "name"),
            EqualsIgnoringCase(property.name(), "locale") });
    }
    return cache.emplace(meta, std::move(properties)).first->second;
}

} // namespace

QWidget* TIvTranslator::GetRootHandle() const
{
    const TComponentBase* root = GetRoot();
    auto* widget = root ? qobject_cast<QWidget*>(root->Object()) : nullptr;
    return widget && IsWindowedControl(widget) && HandleAllocated(*widget) ? widget : nullptr;
}

void TIvTranslator::TranslateRoot()
{
    if (m_dictionary) {
        m_readingOrder
            = m_dictionary->CurrentLanguage().BiDiKind() == 2 ? ivroRightToLeft : ivroLeftToRight;
    }
    emit OnBeforeTranslate(this);
    TComponentBase* root = GetRoot();
    if (m_dictionary && HasOption(ivtoCheckFont) && root && IsForm(root->Object()))
        ApplyLanguageFont();
    if (root)
        TranslateComponent(root->Object(), {});
    if (HasOption(ivtoTranslateSystemMenu))
        TranslateSystemMenu(GetRootHandle());
    ApplyMultiByteScaling();
    RefreshMirroredFrame();
    emit OnAfterTranslate(this);
}

void TIvTranslator::TranslateComponent(QObject* component, TIvRestrictions restrictions)
{
    TIvRestrictions own = restrictions;
    emit OnRestrictComponent(this, component, own);
    const TIvRestrictions handedOn = own.testFlag(ivrsSelfOnly) ? TIvRestrictions() : own;

    if (const TComponentBase* base = AsComponent(component)) {
        const int count = base->ComponentCount();
        for (int i = 0; i < count; ++i) {
            QObject* child = base->Components(i)->Object();
            if (!IsForm(child))
                TranslateComponent(child, handedOn);
        }
    }
    if (!own.testFlag(ivrsNoProperties))
        TranslateObject(component, own);
    if (!own.testFlag(ivrsNoText))
        TranslateControlText(component);
    if (HasOption(ivtoMirrorBiDirectional))
        MirrorComponent(component, own);
    emit OnTranslate(this, component);
    if (auto* widget = qobject_cast<QWidget*>(component))
        widget->update();
}

bool TIvTranslator::IncludesIntegerProperties() const
{
    if (HasOption(ivtoUpdateLocaleProperty))
        return true;
    const bool rightToLeftLocale = m_dictionary && IsRightToLeft(m_dictionary->LanguageLocale());
    return Mirrored() != rightToLeftLocale;
}

void TIvTranslator::TranslateObject(QObject* object, TIvRestrictions restrictions)
{
    if (!object || qobject_cast<TIvDictionary*>(object)
        || qobject_cast<TIvCustomTranslator*>(object) || qobject_cast<TFont*>(object))
        return;
    const TVisitGuard guard(m_objectPath, object);
    if (!guard.Entered())
        return;
    bool translate = true;
    emit OnRestrictObject(this, object, translate);
    if (!translate)
        return;

    const std::vector<TPassProperty>& properties
        = PassProperties(object, IncludesIntegerProperties());
    const TComponentBase* component = AsComponent(object);
    const std::string componentName = component && component != m_rootOverride
        ? tankora::QStringToAnsi(component->Name())
        : std::string();
    const std::string className = object->metaObject()->className();

    for (const TPassProperty& entry : properties) {
        bool translateProperty = true;
        emit OnRestrictProperty(this, object, entry.name, translateProperty);
        if (!translateProperty)
            continue;

        switch (entry.kind) {
        case tkInteger:
            if (component && !restrictions.testFlag(ivrsNoMirror) && entry.isLocale)
                entry.property.write(object, m_dictionary ? m_dictionary->LanguageLocale() : 0);
            break;
        case tkString:
        case tkLString:
            if (!(component && entry.isName))
                TranslateStringProperty(object, entry.property, className, componentName);
            break;
        case tkClass:
            TranslateObjectProperty(object, entry.property, className, componentName, restrictions);
            break;
        default:
            break;
        }
    }
}

void TIvTranslator::TranslateStringProperty(QObject* object, const QMetaProperty& property,
    const std::string& className, const std::string& componentName)
{
    if (!m_targets->IsTarget(className, property.name()))
        return;
    const QVariant shown = property.read(object);
    const std::string value = ReadText(shown);
    if (value.empty())
        return;
    const std::string result = TranslateProperty(object, componentName, property.name(), value);
    // An unchanged text is written back as it was read, so characters that the
    // code page cannot hold are not lost on the way.
    property.write(object, result == value ? shown : TextValue(result, shown));
}

void TIvTranslator::TranslateObjectProperty(QObject* object, const QMetaProperty& property,
    const std::string& className, const std::string& componentName, TIvRestrictions restrictions)
{
    QObject* value = property.read(object).value<QObject*>();
    if (!value)
        return;
    if (auto* strings = qobject_cast<TStrings*>(value)) {
        if (m_targets->IsTarget(className, property.name()))
            TranslateListProperty(object, *strings, property.name(), componentName);
    } else if (auto* collection = qobject_cast<TCollection*>(value)) {
        for (int i = 0; i < collection->Count(); ++i)
            TranslateObject(collection->Items(i), restrictions);
    } else if (auto* font = qobject_cast<TFont*>(value)) {
        ApplyFontCharset(object, *font);
    } else if (const TComponentBase* referenced = AsComponent(value)) {
        const TComponentBase* component = AsComponent(object);
        // The traversal visits components of the same owner anyway.
        if (component && referenced->Owner() != component->Owner())
            TranslateObject(value, restrictions);
    } else {
        TranslateObject(value, restrictions);
    }
}
