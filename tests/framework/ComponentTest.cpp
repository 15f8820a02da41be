#include "framework/core/Component.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QPointer>
#include <memory>

namespace {

// Records what it is told about other components.
class TWatcher : public TComponent
{
public:
    using TComponent::TComponent;
    void Notification(TComponentBase* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove)
            removed.push_back(component);
    }
    std::vector<TComponentBase*> removed;
};

} // namespace

TEST(Component, OwnershipOrderIsCreationOrderWhateverTheVisualNesting)
{
    TComponent root;
    auto* box = new TGroupBox(&root);
    auto* inner = new TLabel(&root);
    inner->SetParent(box);
    auto* outer = new TLabel(&root);
    ASSERT_EQ(root.ComponentCount(), 3);
    EXPECT_EQ(root.Components(0), box);
    EXPECT_EQ(root.Components(1), inner);
    EXPECT_EQ(root.Components(2), outer);
    EXPECT_EQ(inner->ComponentIndex(), 1);
    EXPECT_EQ(inner->parent(), box);
    EXPECT_EQ(box->ComponentCount(), 0);
    EXPECT_THROW(root.Components(3), EListError);
}

TEST(Component, OwnerFreesOwnedComponentsAndVisualParentLeavesOwnershipAlone)
{
    QPointer<TLabel> inner;
    {
        TComponent root;
        auto* box = new TGroupBox(&root);
        inner = new TLabel(&root);
        inner->SetParent(box);
        delete box; // the Qt parent frees its child, which leaves the owner's list
        EXPECT_TRUE(inner.isNull());
        EXPECT_EQ(root.ComponentCount(), 0);
        new TLabel(&root);
    }
    // No leak and no double free: ASan checks the scope's end.
}

TEST(Component, NameIsAnIdentifierUniqueAmongTheOwnersComponents)
{
    TComponent root;
    auto* first = new TComponent(&root);
    auto* second = new TComponent(&root);
    first->SetName("Label1");
    EXPECT_EQ(first->objectName(), "Label1");
    EXPECT_EQ(first->property("Name").toString(), "Label1");
    EXPECT_THROW(second->SetName("label1"), EComponentError);
    EXPECT_THROW(second->SetName("1abc"), EComponentError);
    EXPECT_THROW(second->SetName("a b"), EComponentError);
    EXPECT_EQ(second->Name(), "");
    second->SetName("_x9");
    EXPECT_EQ(root.FindComponent("LABEL1"), first);
    EXPECT_EQ(root.FindComponent("_x9"), second);
    EXPECT_EQ(root.FindComponent("none"), nullptr);
}

TEST(Component, FreeNotificationTellsTheWatcherOnceInEitherDirection)
{
    TWatcher watcher;
    auto* watched = new TComponent;
    watched->FreeNotification(&watcher);
    watched->FreeNotification(&watcher);
    delete watched;
    ASSERT_EQ(watcher.removed.size(), 1u);
    EXPECT_EQ(watcher.removed[0], watched);

    // A watcher destroyed first is forgotten, so nothing dangles.
    TComponent survivor;
    {
        TWatcher shortLived;
        survivor.FreeNotification(&shortLived);
    }
    TWatcher late;
    survivor.FreeNotification(&late);
}

TEST(Component, DesigningFlagReachesOwnedComponentsAndLoadedClearsLoading)
{
    TComponent root;
    auto* child = new TComponent(&root);
    root.SetDesigning(true);
    EXPECT_TRUE(child->IsDesigning());
    root.SetDesigning(false);
    EXPECT_FALSE(child->IsDesigning());
    child->SetLoading(true);
    EXPECT_TRUE(child->IsLoading());
    child->Loaded();
    EXPECT_FALSE(child->IsLoading());
}

TEST(Component, ClassNamesAreTheUnqualifiedOnes)
{
    TLabel label;
    EXPECT_STREQ(label.metaObject()->className(), "TLabel");
    EXPECT_EQ(label.ClassName(), "TLabel");
    std::unique_ptr<TComponentBase> made(CreateComponent("TGroupBox", nullptr));
    EXPECT_STREQ(made->Object()->metaObject()->className(), "TGroupBox");
    try {
        CreateComponent("TNoSuchThing", nullptr);
        FAIL();
    } catch (const EClassNotFound& error) {
        EXPECT_STREQ(error.what(), "Class TNoSuchThing not found");
    }
}

TEST(Component, PublishedPropertiesComeInheritedFirstInDeclarationOrder)
{
    TLabel label;
    const QMetaObject* meta = label.metaObject();
    QStringList names;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        names << meta->property(i).name();
    EXPECT_EQ(names.mid(0, 5), (QStringList { "Name", "Left", "Top", "Width", "Height" }));
    EXPECT_TRUE(names.contains("Caption"));
    EXPECT_TRUE(names.contains("Hint"));
}
