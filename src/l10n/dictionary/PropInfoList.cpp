#include "l10n/dictionary/PropInfoList_p.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Persistent.h"

#include <QMetaObject>
#include <QMetaType>
#include <QObject>

TIvTypeKind TypeKindOf(const QMetaProperty& property)
{
    if (property.isFlagType())
        return tkSet;
    if (property.isEnumType())
        return tkEnumeration;
    const QMetaType type = property.metaType();
    if (type.flags().testFlag(QMetaType::PointerToQObject))
        return tkClass;
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return tkInteger;
    case QMetaType::Char:
        return tkChar;
    case QMetaType::QChar:
        return tkWChar;
    case QMetaType::Bool:
        return tkEnumeration;
    case QMetaType::Float:
    case QMetaType::Double:
        return tkFloat;
    case QMetaType::QByteArray:
        return tkString;
    case QMetaType::QString:
        return tkLString;
    case QMetaType::QVariant:
        return tkVariant;
    default:
        return tkUnknown;
    }
}

TIvPropInfoList::TIvPropInfoList(const QObject* component, TIvTypeKinds kinds)
{
    const QMetaObject* meta = component ? component->metaObject() : nullptr;
    if (!meta)
        return;
    // QMetaObject numbers inherited properties first, each class in declaration order.
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (IsPublishedProperty(property) && (kinds & TypeKindBit(TypeKindOf(property))))
            m_items.push_back(property);
    }
}

const QMetaProperty& TIvPropInfoList::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError();
    return m_items[static_cast<std::size_t>(index)];
}
