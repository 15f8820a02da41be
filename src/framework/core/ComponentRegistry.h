// Component classes by name, so that a stored layout can create the
// components it names. The framework's own controls are registered on
// first use; an application registers its own classes (RegisterClass<T>())
// before it creates a form that uses them.
#pragma once

#include "framework/core/Component.h"

#include <QString>

#include <functional>

using TComponentFactory = std::function<TComponentBase*(TComponentBase* owner)>;

// Registers a factory under className (replacing an earlier one).
void RegisterComponentClass(const QString& className, const TComponentFactory& factory);

template <typename T> void RegisterClass()
{
    RegisterComponentClass(QString::fromLatin1(T::staticMetaObject.className()),
        [](TComponentBase* owner) -> TComponentBase* { return new T(owner); });
}

bool IsClassRegistered(const QString& className);
// A new component of the class, owned by owner. An unknown class raises
// EClassNotFound "Class <name> not found".
TComponentBase* CreateComponent(const QString& className, TComponentBase* owner);
