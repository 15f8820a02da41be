// A string list is translated in place; the control that shows it keeps its
// selection: list boxes their current line, each line's selection
// (multiple selection) or check state (check list boxes); visible combo boxes
// their current item. An invisible combo box's list and an outline's list are
// left untranslated.
#include "l10n/translator/Translator.h"

#include "framework/controls/ComboBox.h"
#include "framework/controls/ListBox.h"

#include <optional>
#include <vector>

namespace {

class TListSelection
{
public:
    explicit TListSelection(QObject* control)
        : m_listBox(qobject_cast<TListBox*>(control))
        , m_checkListBox(qobject_cast<TCheckListBox*>(control))
        , m_comboBox(qobject_cast<TComboBox*>(control))
    {
        if (m_listBox) {
            m_index = m_listBox->ItemIndex();
            const int count = m_listBox->Items()->Count();
            for (int i = 0; i < count; ++i) {
                if (m_checkListBox)
                    m_states.push_back(m_checkListBox->State(i));
                else if (m_listBox->MultiSelect())
                    m_selected.push_back(m_listBox->Selected(i));
            }
        } else if (m_comboBox) {
            m_index = m_comboBox->ItemIndex();
        }
    }

    // Whether the list of the control may be translated at all.
    static bool MayTranslate(const QObject* control)
    {
        if (QByteArrayView(control->metaObject()->className()) == "TOutline")
            return false;
        const auto* comboBox = qobject_cast<const TComboBox*>(control);
        return !comboBox || comboBox->Visible();
    }

    void Restore() const
    {
        if (m_listBox) {
            const int count = m_listBox->Items()->Count();
            for (int i = 0; i < static_cast<int>(m_states.size()) && i < count; ++i)
                m_checkListBox->SetState(i, m_states[static_cast<std::size_t>(i)]);
            for (int i = 0; i < static_cast<int>(m_selected.size()) && i < count; ++i)
                m_listBox->SetSelected(i, m_selected[static_cast<std::size_t>(i)]);
            if (m_index != -1)
                m_listBox->SetItemIndex(m_index);
        } else if (m_comboBox && m_index != -1) {
            m_comboBox->SetItemIndex(m_index);
        }
    }

private:
    TListBox* m_listBox;
    TCheckListBox* m_checkListBox;
    TComboBox* m_comboBox;
    int m_index = -1;
    std::vector<tankora::TCheckBoxState> m_states;
    std::vector<bool> m_selected;
};

} // namespace

void TIvTranslator::TranslateListProperty(QObject* control, TStrings& strings,
    const std::string& propertyName, const std::string& componentName)
{
    if (!TListSelection::MayTranslate(control))
        return;
    const TListSelection selection(control);
    TranslateStrings(control, componentName, propertyName, strings);
    selection.Restore();
}
