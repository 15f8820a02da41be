// The translator's layout steps: where a translation pass applies the
// language's font, character set, multibyte scaling, right-to-left mirroring
// and system menu texts. The mechanics live in LanguageFont, Scaling,
// Mirroring and SystemMenuTranslation; this file decides when they run and
// keeps the translator's Scaled and Mirrored flags.
#include "l10n/translator/Translator.h"

#include "l10n/translator/LanguageFont.h"
#include "l10n/translator/Mirroring.h"
#include "l10n/translator/Modules.h"
#include "l10n/translator/Scaling.h"
#include "l10n/translator/SystemMenuTranslation.h"
#include "l10n/translator/TargetProperties.h"

#include "framework/app/Forms.h"
#include "framework/controls/Control.h"
#include "framework/controls/WindowHandles.h"

namespace {

// BiDi kind of a multibyte script (Chinese, Japanese, Korean).
constexpr int kMultiByteBiDiKind = 1;

QObject* RootObject(const TComponentBase* root)
{
    return root ? root->Object() : nullptr;
}

} // namespace

void TIvTranslator::ApplyLanguageFont()
{
    const auto* form = dynamic_cast<const TCustomForm*>(RootObject(GetRoot()));
    if (!Dictionary() || !form)
        return;
    ApplyLanguageFontToForm(
        *form, Dictionary()->CurrentLanguage(), DesignFontName(), DesignFontSize());
}

void TIvTranslator::ApplyFontCharset(QObject* object, TFont& font)
{
    if (!object || !Dictionary() || !HasOption(ivtoChangeFontCharset))
        return;
    ApplyCharsetToFont(*object, font, Dictionary()->CurrentLanguage().Charset);
}

void TIvTranslator::TranslateSystemMenu(QWidget* window)
{
    TranslateWindowSystemMenu(window, Dictionary());
}

void TIvTranslator::ApplyMultiByteScaling()
{
    QObject* root = RootObject(GetRoot());
    if (!Dictionary() || !HasOption(ivtoScaleMultiByte) || !IsWindowedControl(root))
        return;
    bool scaled = Scaled();
    const bool multiByte = Dictionary()->CurrentLanguage().BiDiKind() == kMultiByteBiDiKind;
    if (!ScaleForMultiByte(*AsControl(root)->Widget(), multiByte, MultiByteScale(), scaled))
        return;
    SetStateFlag(ivtsScaled, scaled);
    emit OnScale(this, root);
}

void TIvTranslator::RefreshMirroredFrame()
{
    if (!HasOption(ivtoMirrorBiDirectional))
        return;
    bool mirrored = Mirrored();
    UpdateMirroredFlag(RootObject(GetRoot()), ReadingOrder(), NativeLayout(), mirrored);
    SetStateFlag(ivtsMirrored, mirrored);
}

void TIvTranslator::MirrorComponent(QObject* component, TIvRestrictions restrictions)
{
    bool changed = true;
    if (TControl* control = AsControl(component)) {
        QWidget* widget = control->Widget();
        TIvBidirectionalState* state = BiDiStates().FindBiDiState(widget, true);
        changed = state->ReadingOrder != ReadingOrder();
        if (!restrictions.testFlag(ivrsNoMirror)) {
            if (component == RootObject(GetRoot()))
                state->ReadingOrder = ReadingOrder();
            else if (ReadingOrder() == NativeLayout())
                UnmirrorControl(widget, *state);
            else
                MirrorControl(widget, *state);
        }
    }
    if (!restrictions.testFlag(ivrsNoBiDiNotify) && changed)
        ReadingOrderChanged(component);
}

void TIvTranslator::MirrorControl(QWidget* control, TIvBidirectionalState& state)
{
    if (TIvModules::Instance().MirrorControl(this, control, state) || !control)
        return;
    MirrorControlPosition(*control, state);
}

void TIvTranslator::UnmirrorControl(QWidget* control, TIvBidirectionalState& state)
{
    if (TIvModules::Instance().UnmirrorControl(this, control, state) || !control)
        return;
    UnmirrorControlPosition(*control, state);
}

void TIvTranslator::ReadingOrderChanged(QObject* component)
{
    TIvModules::Instance().ReadingOrderChanged(this, component);
}

void TIvTranslator::UpdateMirroredControl(QWidget* control)
{
    if (!Mirrored() || !control)
        return;
    if (TIvBidirectionalState* state = BiDiStates().FindBiDiState(control, false))
        UpdateMirroredPosition(RootObject(GetRoot()), *state);
}

void TIvTranslator::UpdateMirroredControls()
{
    if (Mirrored())
        UpdateMirroredPositions(RootObject(GetRoot()), BiDiStates());
}

void TIvTranslator::DefineProperties(TFiler& filer)
{
    TIvCustomTranslator::DefineProperties(filer);
    DefineTargetsData(filer, Targets());
}
