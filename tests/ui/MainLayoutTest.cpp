// The window as a user sees it, in every mode and orientation: no text is
// clipped, no control overlaps a sibling or leaves its parent. With
// TANKORA_SCREENSHOT_DIR set, each state is also saved as a PNG to look at.
#include "ui/Main.h"

#include "MessageLog.h"
#include "SeparatorScope.h"
#include "ShippedDictionary.h"
#include "framework/Strings.h"
#include "ui/DoubleEdit.h"
#include "ui/RzRadGrp.h"

#include <QComboBox>
#include <QDir>
#include <QMetaProperty>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

std::string Where(const QWidget* widget)
{
    return widget->objectName().toStdString();
}

// Visible child widgets that are controls of the layout (not Qt internals).
std::vector<QWidget*> Controls(QWidget* parent)
{
    std::vector<QWidget*> controls;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && AsControl(widget) && widget->isVisibleTo(parent))
            controls.push_back(widget);
    }
    return controls;
}

// Width available to text inside a list's edit field.
int ComboTextWidth(QComboBox* list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}

void ExpectTidy(QWidget* parent, const std::string& state)
{
    const std::vector<QWidget*> controls = Controls(parent);
    for (QWidget* control : controls) {
        const std::string where = state + " " + Where(control);
        EXPECT_TRUE(parent->rect().contains(control->geometry())) << where << " leaves its parent";
        for (QWidget* other : controls) {
            // The two diagrams share their place; only one shows at a time.
            const bool diagrams = qobject_cast<TImage*>(control) && qobject_cast<TImage*>(other);
            if (other != control && !diagrams) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << where << " overlaps " << Where(other);
            }
        }
        const QFontMetrics metrics(control->font());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << where;
        }
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(metrics.horizontalAdvance(list->itemText(i)), ComboTextWidth(list))
                    << where << " entry " << list->itemText(i).toStdString();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << where;
        }
        if (auto* box = qobject_cast<QGroupBox*>(control)) {
            EXPECT_LT(metrics.horizontalAdvance(box->title()) + 8, box->width()) << where;
        }
        ExpectTidy(control, state);
    }
}

// Runs every mode in both orientations with results as wide as the window
// shows them in practice; `show` may change the texts after each step, as a
// translator does.
void ExpectTidyInEveryState(
    const std::string& name, const std::function<void(TMainForm&)>& show = {})
{
    std::unique_ptr<TMainForm> form(CreateMainForm());
    form->show();
    form->dL->SetText(QStringLiteral("12.5"));
    form->dD->SetText(QStringLiteral("3.2"));
    form->db->SetText(QStringLiteral("0.8"));
    const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
    const char* modes[] = { "volume", "height", "new-height" };
    for (int orientation = 0; orientation < 2; ++orientation) {
        form->CbOrientation->SetItemIndex(orientation);
        form->CbOrientationChange(form.get());
        for (int mode = 0; mode < 3; ++mode) {
            form->CalcOptions->SetItemIndex(mode);
            (mode == 1 ? form->eV : form->eH)->SetText(QStringLiteral("1.5"));
            form->eQ->SetText(QStringLiteral("0.01"));
            form->eT->SetText(QStringLiteral("60"));
            QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
            if (show)
                show(*form);
            const std::string state
                = name + (orientation ? " vertical " : " horizontal ") + modes[mode];
            ExpectTidy(form.get(), state);
            if (!screenshots.isEmpty()) {
                QString file = QString::fromStdString(state).trimmed().replace(u' ', u'-');
                file = QDir(screenshots).filePath(file + QStringLiteral(".png"));
                EXPECT_TRUE(form->grab().save(file)) << file.toStdString();
            }
        }
    }
}

TEST(MainLayout, NothingIsClippedOrOverlappingInAnyModeOrOrientation)
{
    const SeparatorScope point('.');
    tankora::MessageLog messages;
    ExpectTidyInEveryState("native");
}

// Shows the captions and list entries of the window and of everything it
// owns in `language`, as the window's translator does; texts without an
// entry stay as they are.
void ShowIn(TMainForm& form, const tankora::test::ShippedDictionary& dictionary,
    const std::string& language)
{
    std::vector<QObject*> objects { &form };
    for (int i = 0; i < form.ComponentCount(); ++i)
        objects.push_back(form.Components(i)->Object());
    for (QObject* object : objects) {
        const QMetaObject* meta = object->metaObject();
        if (const int index = meta->indexOfProperty("Caption"); index >= 0) {
            const QString text = meta->property(index).read(object).toString();
            if (const auto shown = dictionary.Translation(text, language))
                meta->property(index).write(object, *shown);
        }
        if (const int index = meta->indexOfProperty("Items"); index >= 0) {
            auto* items = meta->property(index).read(object).value<TStrings*>();
            for (int i = 0; items && i < items->Count(); ++i) {
                if (const auto shown = dictionary.Translation(items->Strings(i), language))
                    items->Put(i, *shown);
            }
        }
    }
}

class MainLayoutInLanguage : public ::testing::TestWithParam<std::string>
{ };

TEST_P(MainLayoutInLanguage, NothingIsClippedOrOverlapping)
{
    const SeparatorScope point('.');
    tankora::MessageLog messages;
    const tankora::test::ShippedDictionary dictionary;
    ExpectTidyInEveryState(
        GetParam(), [&](TMainForm& form) { ShowIn(form, dictionary, GetParam()); });
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, MainLayoutInLanguage,
    ::testing::ValuesIn(tankora::test::ShippedDictionary().Languages()));

} // namespace
