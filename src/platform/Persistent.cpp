#include "Persistent.h"

#include <QObject>

void TPersistent::DefineProperties(TFiler&) { }

TPersistent* AsPersistent(QObject* obj)
{
    return dynamic_cast<TPersistent*>(obj);
}
