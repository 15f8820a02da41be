#include "framework/core/Persistent.h"

#include <QMetaProperty>
#include <QObject>

void TPersistent::DefineProperties(TFiler&) { }

bool TPersistent::IsPropertyStored(const char*) const
{
    return true;
}

TPersistent* AsPersistent(QObject* obj)
{
    return dynamic_cast<TPersistent*>(obj);
}

bool IsPublishedProperty(const QMetaProperty& property)
{
    const char* name = property.name();
    return property.isValid() && name[0] >= 'A' && name[0] <= 'Z';
}
