#pragma once
// The published properties of a component, the texts a translator may take
// from and give back to a window.

#include <QMetaProperty>

#include <cstdint>
#include <vector>

class QObject;

// Kind numbers of published properties; a kind set has bit (1 << kind).
enum TIvTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
};
using TIvTypeKinds = std::uint32_t;
constexpr TIvTypeKinds TypeKindBit(TIvTypeKind kind)
{
    return TIvTypeKinds { 1 } << kind;
}

// The kind of a Qt property: integers, characters, enumerations (and bool),
// floats, 8-bit strings (QByteArray), sets (flags), object pointers (class),
// QString (long string); anything else unknown.
TIvTypeKind TypeKindOf(const QMetaProperty& property);

// The published properties (the framework's IsPublishedProperty) of a
// component's class whose kind is in a set, inherited ones first, each in
// declaration order. Qt's own lower-case properties (objectName, toolTip,
// styleSheet, ...) are never listed.
class TIvPropInfoList
{
public:
    TIvPropInfoList(const QObject* component, TIvTypeKinds kinds);
    virtual ~TIvPropInfoList() = default;

    int Count() const { return static_cast<int>(m_items.size()); }
    // Throws ERangeError outside 0..Count()-1.
    const QMetaProperty& Items(int index) const;

private:
    std::vector<QMetaProperty> m_items;
};
