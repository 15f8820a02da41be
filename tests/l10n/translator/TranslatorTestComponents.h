#pragma once
// Component classes that translator tests need beyond the framework's own:
// a form class with a class of its own between it and the framework's form
// (for context look-ups up the class chain), and a component with an
// integer "Locale" property.

#include "framework/app/Forms.h"
#include "framework/core/Component.h"

class TBaseTestForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
};

class TDerivedTestForm : public TBaseTestForm
{
    Q_OBJECT

public:
    using TBaseTestForm::TBaseTestForm;
};

class TLocaleHolder : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int Locale READ Locale WRITE SetLocale)
    Q_PROPERTY(int Count READ Count WRITE SetCount)

public:
    using TComponent::TComponent;
    int Locale() const { return m_locale; }
    void SetLocale(int locale) { m_locale = locale; }
    int Count() const { return m_count; }
    void SetCount(int count) { m_count = count; }

private:
    int m_locale = -1;
    int m_count = -1;
};
