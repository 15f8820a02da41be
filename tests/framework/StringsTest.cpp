#include "framework/core/Strings.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

TEST(Strings, UpdateCollectsChangesIntoOneNotification)
{
    TStringList list;
    QSignalSpy changed(&list, &TStrings::Changed);
    list.BeginUpdate();
    list.Add("m");
    list.Add("cm");
    list.BeginUpdate();
    list.Put(1, "mm");
    list.EndUpdate();
    EXPECT_EQ(changed.count(), 0);
    list.EndUpdate();
    EXPECT_EQ(changed.count(), 1);
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(changed.count(), 1); // nothing changed, nothing told
    list.Delete(0);
    EXPECT_EQ(changed.count(), 2);
}

TEST(Strings, LinesKeepTheirObjectsWhenRewritten)
{
    TStringList list;
    QObject marker;
    list.AddObject("Volume", &marker);
    list.Add("Height");
    list.Put(0, "Volumen");
    EXPECT_EQ(list.Objects(0), &marker);
    EXPECT_EQ(list.Objects(1), nullptr);
    EXPECT_EQ(list.IndexOf("volumen"), 0);
    EXPECT_EQ(list.IndexOf("Hoehe"), -1);
    EXPECT_THROW(list.Strings(2), EListError);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
}

TEST(Strings, TextSplitsAtEveryLineBreakKind)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\n");
    EXPECT_EQ(list.ToStringList(), (QStringList { "a", "b", "c", "d" }));
    EXPECT_EQ(list.Text(), "a\nb\nc\nd");
}
