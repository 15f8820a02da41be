#include "framework/app/SystemMenu.h"

#include <QWidget>

namespace {

const QString kSystemMenuObjectName = QStringLiteral("tankora_SystemMenu");

} // namespace

TSystemMenu::TSystemMenu(QObject* parent)
    : QObject(parent)
    , m_items {
        { TMenuItemType::mftString, scRestore, QStringLiteral("&Restore") },
        { TMenuItemType::mftString, scMove, QStringLiteral("&Move") },
        { TMenuItemType::mftString, scSize, QStringLiteral("&Size") },
        { TMenuItemType::mftString, scMinimize, QStringLiteral("Mi&nimize") },
        { TMenuItemType::mftString, scMaximize, QStringLiteral("Ma&ximize") },
        { TMenuItemType::mftSeparator, 0, QString() },
        { TMenuItemType::mftString, scClose, QStringLiteral("&Close\tAlt+F4") },
    }
{ }

bool TSystemMenu::GetItem(int position, TMenuItemInfo& item) const
{
    if (position < 0 || position >= ItemCount())
        return false;
    item = m_items[static_cast<size_t>(position)];
    return true;
}

bool TSystemMenu::SetItem(int position, const TMenuItemInfo& item)
{
    if (position < 0 || position >= ItemCount())
        return false;
    m_items[static_cast<size_t>(position)] = item;
    return true;
}

void TSystemMenu::AppendItem(const TMenuItemInfo& item)
{
    m_items.push_back(item);
}

TSystemMenu* GetSystemMenu(QWidget& widget)
{
    if (!widget.isWindow())
        return nullptr;
    auto* menu = widget.findChild<TSystemMenu*>(kSystemMenuObjectName, Qt::FindDirectChildrenOnly);
    if (!menu) {
        menu = new TSystemMenu(&widget);
        menu->setObjectName(kSystemMenuObjectName);
    }
    return menu;
}
