#pragma once
// Extension modules: components that may take over parts of a translator's
// work for special controls. The process-wide list TIvModules asks them in
// registration order; each dispatcher stops at the first module that answers
// true (it did the work) and answers whether one did. The program itself
// registers none, so every dispatcher answers false and translators do their
// default work.

#include "l10n/translator/TranslatorTable.h"

#include "framework/core/Component.h"

#include <vector>

class TIvCustomTranslator;

class TIvModule : public TComponent
{
    Q_OBJECT

public:
    explicit TIvModule(TComponentBase* owner = nullptr);
    // Leaves the module list.
    ~TIvModule() override;

    // Offered before a control's own text is translated.
    virtual bool TranslateControl(TIvCustomTranslator* translator, QObject* control);
    // Replaces the translator's default mirroring of the control.
    virtual bool MirrorControl(
        TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state);
    // Replaces the translator's default move back.
    virtual bool UnmirrorControl(
        TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state);
    // Told that the component's reading order changed.
    virtual bool ReadingOrderChanged(TIvCustomTranslator* translator, QObject* component);
};

class TIvModules
{
public:
    // The process-wide list (created on first use; it owns no module).
    static TIvModules& Instance();

    int Count() const { return static_cast<int>(m_modules.size()); }
    // Throws ERangeError outside 0 .. Count()-1.
    TIvModule* Items(int index) const;
    // Appends the module unless it is already listed.
    void RegisterModule(TIvModule* module);
    // Removes the module; an unlisted one is ignored.
    void UnregisterModule(TIvModule* module);

    bool TranslateControl(TIvCustomTranslator* translator, QObject* control) const;
    bool MirrorControl(
        TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state) const;
    bool UnmirrorControl(
        TIvCustomTranslator* translator, QWidget* control, TIvBidirectionalState& state) const;
    bool ReadingOrderChanged(TIvCustomTranslator* translator, QObject* component) const;

private:
    TIvModules() = default;
    std::vector<TIvModule*> m_modules;
};
