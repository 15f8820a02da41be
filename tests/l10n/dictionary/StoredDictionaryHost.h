#pragma once
// The owner of a binary dictionary that keeps its data embedded: a component
// whose stored layout (resource RCDATA/TStoredDictionaryHost) holds the
// dictionary "Dictionary1" with "Languages", "Translations" and "Locales".
// The layout is written at build time by StoredFormMaker.

#include "framework/core/Component.h"

class TStoredDictionaryHost : public TComponent
{
    Q_OBJECT

public:
    using TComponent::TComponent;
};
