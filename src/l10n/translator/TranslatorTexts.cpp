// Texts: remembering native texts (the table), string lists, memo text and
// the dictionary look-up.
#include "l10n/translator/Translator.h"

#include "l10n/dictionary/Dictionary.h"
#include "l10n/translator/Modules.h"
#include "l10n/translator/TargetProperties.h"

#include "framework/app/Forms.h"
#include "framework/controls/Memo.h"
#include "framework/core/Strings.h"
#include "nls/GuiText.h"

#include <QMetaObject>
#include <QWidget>

std::string TIvTranslator::TranslateProperty(QObject* control, const std::string& componentName,
    const std::string& propertyName, const std::string& value)
{
    if (value.empty())
        return value;
    if (TIvTranslatorTableItem* item = m_table->Find(control, propertyName, value)) {
        std::string result = LookupText(item->NativeText, item->ComponentName);
        m_table->SetCurrent(*item, result);
        return result;
    }
    std::string result = LookupText(value, componentName);
    m_table->Add(control, componentName, propertyName, value, result);
    return result;
}

void TIvTranslator::TranslateStrings(QObject* control, const std::string& componentName,
    const std::string& propertyName, TStrings& strings)
{
    if (strings.Count() == 0)
        return;
    strings.BeginUpdate();
    // Update mode ends also when a look-up fails.
    struct TEndUpdate
    {
        TStrings& strings;
        ~TEndUpdate() { strings.EndUpdate(); }
    } endUpdate { strings };
    const int count = strings.Count();
    for (int i = 0; i < count; ++i) {
        const QString shown = strings.Strings(i);
        const std::string line = tankora::QStringToAnsi(shown);
        const std::string result = TranslateProperty(control, componentName, propertyName, line);
        if (result != line)
            strings.Put(i, tankora::AnsiToQString(result));
    }
}

void TIvTranslator::TranslateControlText(QObject* control)
{
    TIvModules::Instance().TranslateControl(this, control);
    auto* memo = qobject_cast<TMemo*>(control);
    if (!memo || !m_targets->IsTarget(control->metaObject()->className(), "Text"))
        return;
    std::string text = tankora::QStringToAnsi(memo->Text());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    const std::string result
        = TranslateProperty(control, tankora::QStringToAnsi(memo->Name()), "Text", text);
    memo->SetText(tankora::AnsiToQString(result));
}

std::string TIvTranslator::LookupText(
    const std::string& text, const std::string& componentName) const
{
    if (!m_dictionary)
        return text;
    if (!m_dictionary->ContextSensitive())
        return TranslateText(m_dictionary, text);

    const TComponentBase* root = GetRoot();
    const QMetaObject* meta = root ? root->MetaObject() : nullptr;
    // The root's own class is always asked; the walk stops before the
    // framework's form, custom-form and component classes, and before Qt's
    // widget and object classes, which stand where a control's framework
    // ancestors would.
    const auto stopsBefore = [](const QMetaObject* ancestor) {
        return ancestor == nullptr || ancestor == &TForm::staticMetaObject
            || ancestor == &TCustomForm::staticMetaObject
            || ancestor == &TComponent::staticMetaObject || ancestor == &QWidget::staticMetaObject
            || ancestor == &QObject::staticMetaObject;
    };
    for (; meta; meta = meta->superClass()) {
        std::string translation;
        if (m_dictionary->TranslateWithContext(text, meta->className(), componentName, translation))
            return TIvDictionary::ApplyMissingTranslation(m_dictionary, text, translation, true);
        if (stopsBefore(meta->superClass()))
            break;
    }
    return TranslateText(m_dictionary, text);
}
