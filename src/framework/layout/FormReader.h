// Creating components from a stored layout.
//
// The root's own properties are written to the given root; every child
// object is created by class name (ComponentRegistry), owned by the root,
// placed inside the control that encloses it in the layout, and flagged
// loading. Properties are written through their setters; object-typed
// properties (fonts, string lists, collections) are filled in place;
// "On..." properties name a slot of the root and are connected by name;
// defined properties go to the reader that DefineProperties declares.
// After the whole layout has been read, Loaded() runs on the root and then
// on every component in creation order, which clears the loading flags.
//
// Failures raise EComponentReadError (an EReadError) "Error reading
// <component>.<property>: <why>"
// for a bad property, EClassNotFound for an unknown class, the stream
// errors for malformed data; other exceptions thrown by a defined
// property's reader pass through unchanged. After a failure the components
// created by the read are freed again and the root keeps its name; root
// properties read before the failure stay applied (CreateForm frees the
// whole form instead).
#pragma once

#include "framework/app/Forms.h"
#include "framework/core/Component.h"

#include <string>
#include <type_traits>

class TStream;

// Reads the layout (signature first) into root. The stored root class must
// be root's class.
void ReadComponent(TStream& stream, TComponentBase& root);
// Reads the layout stored as resource RCDATA/<name> into root; a missing
// resource raises EResNotFound "Resource <name> not found".
void ReadComponentResource(TComponentBase& root, const std::string& name);

// Creates a form of class T from its stored layout (resource RCDATA/<T's
// class name>), then fires its OnCreate. On failure nothing is left.
template <typename T> T* CreateForm(TComponentBase* owner = nullptr)
{
    static_assert(std::is_base_of_v<TCustomForm, T>);
    T* form = new T(owner);
    try {
        ReadComponentResource(*form, T::staticMetaObject.className());
        form->DoCreate();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}
