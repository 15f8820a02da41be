// The casts between a component's QObject and its component interface are
// remembered per class; they must answer what dynamic_cast answers, also
// while a component is being destroyed.
#include "framework/app/Forms.h"
#include "framework/controls/Control.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/core/Component.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <vector>

namespace {

TEST(ComponentCasts, AnswerWhatDynamicCastAnswers)
{
    TForm form;
    auto* label = new TLabel(&form);
    auto* list = new TListBox(&form);
    auto* checkList = new TCheckListBox(&form);
    auto* component = new TComponent(&form);
    QObject plainObject;
    QWidget plainWidget;
    const std::vector<QObject*> objects { &form, label, list, checkList, component, &plainObject,
        &plainWidget, nullptr };
    // The second round is answered from what the first remembered.
    for (int round = 0; round < 2; ++round)
        for (QObject* object : objects) {
            const auto* name = object ? object->metaObject()->className() : "null";
            EXPECT_EQ(AsComponent(object), dynamic_cast<TComponentBase*>(object)) << name;
            EXPECT_EQ(AsControl(object), dynamic_cast<TControl*>(object)) << name;
            if (TComponentBase* base = AsComponent(object)) {
                EXPECT_EQ(base->Object(), object) << name;
                EXPECT_EQ(base->Object(), dynamic_cast<QObject*>(base)) << name;
            }
            if (TControl* control = AsControl(object)) {
                EXPECT_EQ(control->Widget(), dynamic_cast<QWidget*>(object)) << name;
            }
        }
}

// Told of a component's end from inside its destructor, when the component
// is no longer the object it was.
class TDestructionWatcher : public TComponent
{
public:
    using TComponent::TComponent;
    void Notification(TComponentBase* component, TOperation operation) override
    {
        if (operation != TOperation::opRemove)
            return;
        objectSeen = component->Object();
        objectByDynamicCast = dynamic_cast<QObject*>(component);
        told = true;
    }
    bool told = false;
    QObject* objectSeen = nullptr;
    QObject* objectByDynamicCast = nullptr;
};

TEST(ComponentCasts, ADestroyedComponentHasNoObjectEvenAfterItHadOne)
{
    TDestructionWatcher watcher;
    auto label = std::make_unique<TLabel>();
    label->FreeNotification(&watcher);
    ASSERT_EQ(label->Object(), static_cast<QObject*>(label.get()));
    label.reset();
    ASSERT_TRUE(watcher.told);
    EXPECT_EQ(watcher.objectByDynamicCast, nullptr);
    EXPECT_EQ(watcher.objectSeen, nullptr);
}

} // namespace
