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
};

class QObject;
// The persistent interface of obj, or null.
TPersistent* AsPersistent(QObject* obj);
