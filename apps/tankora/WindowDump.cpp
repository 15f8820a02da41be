#include "WindowDump.h"

#include "framework/app/Application.h"
#include "framework/app/Forms.h"
#include "framework/controls/Control.h"
#include "framework/controls/Font.h"
#include "framework/core/Component.h"
#include "framework/core/Strings.h"
#include "l10n/dictionary/FileDictionary.h"
#include "l10n/translator/Translator.h"
#include "nls/FormatSettings.h"
#include "nls/GuiText.h"

#include <QMetaProperty>
#include <QWidget>

#include <cctype>
#include <fstream>

using json = nlohmann::ordered_json;

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

std::string Utf8(std::string_view ansi)
{
    return Utf8(tankora::AnsiToQString(ansi));
}

// The published property `name` of `object`, or an invalid variant when its
// class does not publish one.
QVariant Published(const QObject& object, const char* name)
{
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfProperty(name);
    return index < 0 ? QVariant() : meta->property(index).read(&object);
}

bool Publishes(const QObject& object, const char* name)
{
    return object.metaObject()->indexOfProperty(name) >= 0;
}

QString NameOf(const QObject* object)
{
    const TComponentBase* component = object ? AsComponent(const_cast<QObject*>(object)) : nullptr;
    return component ? component->Name() : QString();
}

json ComponentState(const TComponentBase& component)
{
    const QObject& object = *component.Object();
    json state = {
        { "name", Utf8(component.Name()) },
        { "class", Utf8(component.ClassName()) },
        { "owner", Utf8(component.Owner() ? component.Owner()->Name() : QString()) },
        { "parent", "" },
    };
    if (const auto* widget = qobject_cast<const QWidget*>(&object);
        widget && AsControl(const_cast<QWidget*>(widget))) {
        state["parent"] = Utf8(NameOf(widget->parentWidget()));
        for (const char* name : { "Visible", "Left", "Top", "Width", "Height" }) {
            const QVariant value = Published(object, name);
            std::string member(name);
            member[0] = char(std::tolower(static_cast<unsigned char>(member[0])));
            if (value.typeId() == QMetaType::Bool)
                state[member] = value.toBool();
            else
                state[member] = value.toInt();
        }
    }
    for (const char* name : { "Caption", "Hint", "Text" }) {
        if (Publishes(object, name)) {
            std::string member(name);
            member[0] = char(std::tolower(static_cast<unsigned char>(member[0])));
            state[member] = Utf8(Published(object, name).toString());
        }
    }
    if (Publishes(object, "Items")) {
        json items = json::array();
        if (const auto* strings = Published(object, "Items").value<TStrings*>()) {
            for (int i = 0; i < strings->Count(); ++i)
                items.push_back(Utf8(strings->Strings(i)));
        }
        state["items"] = items;
    }
    if (Publishes(object, "ItemIndex"))
        state["itemIndex"] = Published(object, "ItemIndex").toInt();
    if (Publishes(object, "Font")) {
        if (const auto* font = Published(object, "Font").value<TFont*>()) {
            state["font"] = { { "name", Utf8(font->Name()) }, { "size", font->Size() },
                { "charset", font->Charset() } };
        }
    }
    return state;
}

void AddOwned(const TComponentBase& owner, json& components)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const TComponentBase& component = *owner.Components(i);
        components.push_back(ComponentState(component));
        AddOwned(component, components);
    }
}

// The first component the form owns that is a T, or null.
template <typename T> T* OwnedOfClass(const TComponentBase& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i) {
        if (T* found = qobject_cast<T*>(form.Components(i)->Object()))
            return found;
    }
    return nullptr;
}

json DictionaryState(TIvDictionary* dictionary)
{
    if (!dictionary)
        return nullptr;
    json state = { { "active", dictionary->Active() } };
    if (auto* file = qobject_cast<TIvCustomFileDictionary*>(dictionary))
        state["fileName"] = Utf8(std::string_view(file->FileName()));
    state["languageIndex"] = dictionary->LanguageIndex();
    state["activeLocale"] = dictionary->ActiveLocale();
    return state;
}

json TranslatorState(const TIvCustomTranslator* translator)
{
    if (!translator)
        return nullptr;
    return { { "opened", translator->Opened() }, { "mirrored", translator->Mirrored() },
        { "scaled", translator->Scaled() } };
}

json FormatSettingsState()
{
    const tankora::FormatSettings& settings = tankora::ProcessFormatSettings();
    return {
        { "decimalSeparator", Utf8(std::string(1, settings.DecimalSeparator)) },
        { "thousandSeparator", Utf8(std::string(1, settings.ThousandSeparator)) },
        { "currencyString", Utf8(settings.CurrencyString) },
        { "shortDateFormat", Utf8(settings.ShortDateFormat) },
        { "longDateFormat", Utf8(settings.LongDateFormat) },
        { "shortTimeFormat", Utf8(settings.ShortTimeFormat) },
        { "longTimeFormat", Utf8(settings.LongTimeFormat) },
        { "timeAMString", Utf8(settings.TimeAMString) },
        { "timePMString", Utf8(settings.TimePMString) },
    };
}

} // namespace

json WindowState(const TCustomForm& form)
{
    json components = json::array({ ComponentState(form) });
    AddOwned(form, components);
    return {
        { "readingDirection", ApplicationBiDiMode() == tankora::bdLeftToRight ? "ltr" : "rtl" },
        { "dictionary", DictionaryState(OwnedOfClass<TIvDictionary>(form)) },
        { "translator", TranslatorState(OwnedOfClass<TIvCustomTranslator>(form)) },
        { "formatSettings", FormatSettingsState() },
        { "components", components },
    };
}

bool WriteWindowState(const TCustomForm& form, const std::string& path, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << WindowState(form).dump(2) << '\n';
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
