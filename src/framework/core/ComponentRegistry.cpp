#include "framework/core/ComponentRegistry.h"

#include "framework/app/Forms.h"
#include "framework/app/ResStrings.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Memo.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/core/Exceptions.h"
#include "nls/GuiText.h"

#include <QHash>

namespace {

QHash<QString, TComponentFactory>& Registry()
{
    static QHash<QString, TComponentFactory> registry = [] {
        QHash<QString, TComponentFactory> standard;
        auto add = [&standard]<typename T>(T*) {
            standard.insert(QString::fromLatin1(T::staticMetaObject.className()),
                [](TComponentBase* owner) -> TComponentBase* { return new T(owner); });
        };
        add(static_cast<TComponent*>(nullptr));
        add(static_cast<TBitBtn*>(nullptr));
        add(static_cast<TComboBox*>(nullptr));
        add(static_cast<TEdit*>(nullptr));
        add(static_cast<TForm*>(nullptr));
        add(static_cast<TGroupBox*>(nullptr));
        add(static_cast<TImage*>(nullptr));
        add(static_cast<TLabel*>(nullptr));
        add(static_cast<TPanel*>(nullptr));
        add(static_cast<TMemo*>(nullptr));
        add(static_cast<TListBox*>(nullptr));
        add(static_cast<TCheckListBox*>(nullptr));
        add(static_cast<TRadioButton*>(nullptr));
        add(static_cast<TStatusBar*>(nullptr));
        return standard;
    }();
    return registry;
}

} // namespace

void RegisterComponentClass(const QString& className, const TComponentFactory& factory)
{
    Registry().insert(className, factory);
}

bool IsClassRegistered(const QString& className)
{
    return Registry().contains(className);
}

TComponentBase* CreateComponent(const QString& className, TComponentBase* owner)
{
    const auto it = Registry().constFind(className);
    if (it == Registry().constEnd())
        throw EClassNotFound(FormatResString(SClassNotFound, tankora::QStringToAnsi(className)));
    return (*it)(owner);
}
