#include "l10n/translator/Modules_p.h"

#include "framework/core/Exceptions.h"

#include <algorithm>

TIvModule::TIvModule(TComponentBase* owner)
    : TComponent(owner)
{ }

TIvModule::~TIvModule()
{
    TIvModules::Instance().UnregisterModule(this);
}

bool TIvModule::TranslateControl(TIvCustomTranslator*, QObject*)
{
    return false;
}

bool TIvModule::MirrorControl(TIvCustomTranslator*, QWidget*, TIvBidirectionalState&)
{
    return false;
}

bool TIvModule::UnmirrorControl(TIvCustomTranslator*, QWidget*, TIvBidirectionalState&)
{
    return false;
}

bool TIvModule::ReadingOrderChanged(TIvCustomTranslator*, QObject*)
{
    return false;
}

TIvModules& TIvModules::Instance()
{
    static TIvModules modules;
    return modules;
}

TIvModule* TIvModules::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError();
    return m_modules[static_cast<std::size_t>(index)];
}

void TIvModules::RegisterModule(TIvModule* module)
{
    if (module && std::find(m_modules.begin(), m_modules.end(), module) == m_modules.end())
        m_modules.push_back(module);
}

void TIvModules::UnregisterModule(TIvModule* module)
{
    std::erase(m_modules, module);
}

namespace {

// Asks the modules in order until one answers true. A module may leave the
// list (or be destroyed) while it is asked: the walk goes over a copy and
// skips modules that are no longer listed.
template <typename TAsk> bool AskModules(const std::vector<TIvModule*>& modules, TAsk ask)
{
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): ask() may change `modules`.
    const std::vector<TIvModule*> snapshot = modules;
    return std::any_of(snapshot.begin(), snapshot.end(), [&](TIvModule* module) {
        return std::find(modules.begin(), modules.end(), module) != modules.end() && ask(module);
    });
}

} // namespace

bool TIvModules::TranslateControl(TIvCustomTranslator* translator, QObject* control) const
{
    return AskModules(m_modules,
        [&](TIvModule* module) { return module->TranslateControl(translator, control); });
}

bool TIvModules::MirrorControl(
    TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state) const
{
    return AskModules(m_modules,
        [&](TIvModule* module) { return module->MirrorControl(translator, control, state); });
}

bool TIvModules::UnmirrorControl(
    TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state) const
{
    return AskModules(m_modules,
        [&](TIvModule* module) { return module->UnmirrorControl(translator, control, state); });
}

bool TIvModules::ReadingOrderChanged(TIvCustomTranslator* translator, QObject* component) const
{
    return AskModules(m_modules,
        [&](TIvModule* module) { return module->ReadingOrderChanged(translator, component); });
}
