// What can be stored in a layout besides its published properties: an
// object that declares extra ("defined") stored properties on a filer.
// Components, string lists and collections are persistent.
#pragma once

class TFiler;

class TPersistent
{
public:
    virtual ~TPersistent() = default;
    // Declares this object's defined properties (name, reader, writer) on
    // the filer. The base declares none.
    virtual void DefineProperties(TFiler& filer);
    // Whether the published property is written when this object is
    // stored (a property that another one determines is not).
    virtual bool IsPropertyStored(const char* name) const;
};

class QObject;
class QMetaProperty;
// The persistent interface of obj, or null.
TPersistent* AsPersistent(QObject* obj);
// Whether a property is one of ours, stored in layouts: declared by a class
// of this program with a capitalised name ("Caption"), not one of Qt's
// ("objectName", "geometry").
bool IsPublishedProperty(const QMetaProperty& property);
