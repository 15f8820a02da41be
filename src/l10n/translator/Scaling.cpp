#include "l10n/translator/Scaling.h"

#include "l10n/dictionary/Dictionary.h"

#include "framework/app/Forms.h"
#include "framework/controls/ControlScaling.h"
#include "nls/GuiText.h"

bool ScaleForMultiByte(QWidget& root, bool multiByteLanguage, int multiByteScale, bool& scaled)
{
    // A scale of 0 would shrink the window to nothing with no way back.
    if (multiByteScale == 100 || multiByteScale <= 0)
        return false;
    if (multiByteLanguage && !scaled) {
        if (const auto* form = dynamic_cast<const TCustomForm*>(&root); form && form->AutoScroll())
            throw EIvMulti("Cannot scale a form (" + tankora::QStringToAnsi(form->Name())
                + ") that has AutoScroll property set True");
        ScaleControl(root, multiByteScale, 100);
        scaled = true;
        return true;
    }
    if (!multiByteLanguage && scaled) {
        ScaleControl(root, 100, multiByteScale);
        scaled = false;
        return true;
    }
    return false;
}
