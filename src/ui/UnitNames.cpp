#include "ui/UnitNames.h"

#include "framework/controls/ComboBox.h"
#include "l10n/dictionary/StringTranslation.h"
#include "nls/GuiText.h"

void TUnitNames::Remember(const TComboBox* list)
{
    std::vector<std::string>& names = m_names[list];
    names.clear();
    const TStrings* items = list->Items();
    for (int i = 0; i < items->Count(); ++i)
        names.push_back(tankora::QStringToAnsi(items->Strings(i)));
}

void TUnitNames::Fill(TComboBox* list, std::span<const std::string_view> names)
{
    std::vector<std::string>& native = m_names[list];
    native.assign(names.begin(), names.end());
    TStrings* items = list->Items();
    items->BeginUpdate();
    items->Clear();
    for (const std::string& name : native)
        items->Add(tankora::AnsiToQString(TranslateString(name)));
    items->EndUpdate();
}

std::string TUnitNames::Selected(const TComboBox* list) const
{
    const auto names = m_names.find(list);
    const int index = list->ItemIndex();
    if (names == m_names.end() || index < 0 || index >= int(names->second.size()))
        return {};
    return names->second[std::size_t(index)];
}

int TUnitNames::IndexOf(const TComboBox* list, std::string_view name) const
{
    const auto names = m_names.find(list);
    if (names == m_names.end())
        return -1;
    for (std::size_t i = 0; i < names->second.size(); ++i) {
        if (names->second[i] == name)
            return int(i);
    }
    return -1;
}
