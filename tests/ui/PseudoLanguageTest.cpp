// The window in the two pseudo-languages that `mldtool pseudo` adds to the
// shipped dictionary: every caption, hint, list item and message it shows is
// bracketed, so no text bypasses the dictionary. The test also prints how
// much room each text lacks at a third more length (a measure of headroom
// for translators, not a failure).
#include "ui/LanguageMenu.h"
#include "ui/Main.h"

#include "MessageLog.h"
#include "MldPseudo.h"
#include "StartedInLanguage.h"
#include "framework/core/Strings.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "ui/RzRadGrp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using tankora::test::ShippedLanguage;

struct PseudoCase
{
    const char* name;
    int fromEnd; // 2: the accented one, 1: the right-to-left one
    tankora::LocaleId machine;
    bool mirrored;
};

void PrintTo(const PseudoCase& c, std::ostream* out)
{
    *out << c.name;
}

// Whether every word of the text lies inside brackets: what is left after
// the bracketed parts holds only blanks and the digits of numbers.
bool Bracketed(const QString& text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\]]*\\]"));
    static const QRegularExpression numbers(QStringLiteral("^[\\s0-9.,E+\\-]*$"));
    QString rest = text;
    rest.remove(bracketed);
    return numbers.match(rest).hasMatch();
}

// Every text the window shows now, with where it is shown.
std::vector<std::pair<std::string, QString>> ShownTexts(TMainForm& form)
{
    std::vector<std::pair<std::string, QString>> texts;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!AsControl(widget) || !widget->isVisibleTo(&form))
            continue;
        const std::string name = widget->objectName().toStdString();
        const QVariant caption = widget->property("Caption");
        if (caption.isValid() && !caption.toString().isEmpty())
            texts.emplace_back(name + " caption", caption.toString());
        if (!widget->toolTip().isEmpty())
            texts.emplace_back(name + " hint", widget->toolTip());
        if (auto* items = qobject_cast<TStrings*>(widget->property("Items").value<QObject*>())) {
            for (int i = 0; i < items->Count(); ++i)
                texts.emplace_back(name + " item", items->Strings(i));
        }
    }
    return texts;
}

int TextWidth(const QWidget* widget, const QString& text)
{
    return widget->fontMetrics().horizontalAdvance(text);
}

// Room for a label's text: up to the nearest sibling beside it on its row,
// on the side it reads towards.
int LabelRoom(const QWidget* label)
{
    const QRect own = label->geometry();
    const bool rtl = label->isRightToLeft();
    int room = rtl ? own.right() + 1 : label->parentWidget()->width() - own.left();
    for (const QObject* child : label->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == label || !sibling->isVisible())
            continue;
        const QRect other = sibling->geometry();
        if (other.bottom() < own.top() || other.top() > own.bottom())
            continue;
        if (!rtl && other.left() > own.left())
            room = std::min(room, other.left() - own.left());
        if (rtl && other.right() < own.right())
            room = std::min(room, own.right() - other.right());
    }
    return room;
}

// "control: needs N px, has M px" for every text without room.
std::vector<std::string> Headroom(TMainForm& form)
{
    std::vector<std::string> lacking;
    const auto note = [&](const QWidget* widget, const QString& text, int need, int room) {
        if (need > room)
            lacking.push_back(widget->objectName().toStdString() + " \"" + text.toStdString()
                + "\": needs " + std::to_string(need) + " px, has " + std::to_string(room) + " px");
    };
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&form))
            continue;
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                     QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                note(list, list->itemText(i), TextWidth(list, list->itemText(i)), room);
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            note(box, box->title(), TextWidth(box, box->title()), box->width() - 16);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int decoration = button->icon().isNull() ? 8 : 8 + button->iconSize().width() + 4;
            note(button, button->text(), TextWidth(button, button->text()),
                button->width() - decoration);
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && AsControl(label)) {
            note(label, label->text(), TextWidth(label, label->text()), LabelRoom(label));
        }
    }
    return lacking;
}

class PseudoLanguage : public ::testing::TestWithParam<PseudoCase>
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        ASSERT_TRUE(s_folder->isValid());
        QFile image(s_folder->filePath(QStringLiteral("cylang.mld")));
        ASSERT_TRUE(image.open(QIODevice::WriteOnly));
        const std::string bytes = tankora::mld::PseudoImage(TANKORA_DICTIONARY);
        image.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    static void TearDownTestSuite()
    {
        delete s_folder;
        s_folder = nullptr;
    }

    static QTemporaryDir* s_folder;
};

QTemporaryDir* PseudoLanguage::s_folder = nullptr;

TEST_P(PseudoLanguage, EveryShownTextGoesThroughTheDictionary)
{
    const PseudoCase& c = GetParam();
    tankora::MessageLog messages;
    tankora::test::StartedInLanguage started(
        ShippedLanguage { c.name, 0, c.machine }, s_folder->path());
    TMainForm& form = started.Form();
    ASSERT_TRUE(form.IvBinaryDictionary1->Active());
    const int index = form.IvBinaryDictionary1->GetLanguageCount() - c.fromEnd;
    ASSERT_TRUE(form.LanguageMenu().Switch(index));
    EXPECT_EQ(form.layoutDirection(), c.mirrored ? Qt::RightToLeft : Qt::LeftToRight);

    std::set<std::string> lacking;
    for (int orientation = 0; orientation < 2; ++orientation) {
        form.CbOrientation->SetItemIndex(orientation);
        form.CbOrientationChange(&form);
        for (int mode = 0; mode < 3; ++mode) {
            form.CalcOptions->SetItemIndex(mode);
            for (const auto& [where, text] : ShownTexts(form)) {
                // The program's name and the diagram's letters (L, D, b) stay.
                if (where != "MainForm caption" && text.size() > 1) {
                    EXPECT_TRUE(Bracketed(text)) << where << ": " << text.toStdString();
                }
            }
            for (const std::string& line : Headroom(form))
                lacking.insert(line);
        }
    }
    const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
    if (!screenshots.isEmpty())
        form.grab().save(screenshots + QStringLiteral("/pseudo-%1.png").arg(c.name));
    // A message box speaks the pseudo-language too.
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    ASSERT_EQ(messages.Entries().size(), 1u);
    const std::string entry = messages.Entries().front();
    EXPECT_TRUE(Bracketed(QString::fromStdString(entry).section(QStringLiteral(": "), 1))) << entry;

    std::cout << "Headroom in " << c.name << ": " << lacking.size()
              << " texts lack room at a third more length\n";
    for (const std::string& line : lacking)
        std::cout << "  " << line << "\n";
}

INSTANTIATE_TEST_SUITE_P(Pseudo, PseudoLanguage,
    ::testing::Values(
        PseudoCase { "accented", 2, 0x1809, false }, PseudoCase { "rightToLeft", 1, 0x040D, true }),
    [](const ::testing::TestParamInfo<PseudoCase>& instance) {
        return std::string(instance.param.name);
    });

} // namespace
