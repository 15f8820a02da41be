// The window as a user sees it, in every mode and orientation, as written and
// in every language of the shipped dictionary through the window's own
// translator: no text is clipped, no control overlaps a sibling or leaves its
// parent, and a right-to-left language mirrors the window. With
// TANKORA_SCREENSHOT_DIR set, each state is also saved as a PNG to look at.
#include "ui/Main.h"

#include "MessageLog.h"
#include "SeparatorScope.h"
#include "StartedInLanguage.h"
#include "framework/app/Application.h"
#include "l10n/translator/Translator.h"
#include "nls/FormatSettings.h"
#include "ui/DoubleEdit.h"
#include "ui/RzRadGrp.h"

#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

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

// Rows from the first to the last that hold a pixel other than background.
int InkRows(const QImage& image, QRgb background)
{
    int first = image.height();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                first = std::min(first, y);
                last = y;
                break;
            }
        }
    }
    return last - first + 1;
}

// The title of a captioned group (group box or radio group) is shown whole:
// in the title's columns of the group as drawn, above its first control, its
// ink spans as many rows as the title drawn alone with room on every side.
// Letters that reach beyond the font's line (Arabic marks, CJK glyphs of a
// fallback font) lose their top or bottom rows where the group's edge or the
// band behind the title cuts them. Rows, not pixels, are compared: where
// along a pixel the title starts changes its shading, not its height.
void ExpectTitleShownWhole(QWidget* group, const QString& title, const std::string& where)
{
    if (title.trimmed().isEmpty())
        return;
    const QFontMetrics metrics(group->font());
    const int width = metrics.horizontalAdvance(title);
    int titleRows = group->height();
    for (QWidget* child : Controls(group))
        titleRows = std::min(titleRows, child->y());
    // The title starts 8 pixels in from the left, or from the right when it
    // reads right to left; its band hides the frame's top line.
    const int left = title.isRightToLeft() ? group->width() - 8 - width : 8;
    const QImage shown = group->grab(QRect(left, 0, width, titleRows)).toImage();

    const QColor background = group->palette().color(group->backgroundRole());
    const int room = 2 * metrics.height();
    QImage alone(width + 2 * room, 2 * room, QImage::Format_RGB32);
    alone.fill(background);
    QPainter painter(&alone);
    painter.setFont(group->font());
    painter.setLayoutDirection(group->layoutDirection());
    painter.setPen(group->palette().color(QPalette::WindowText));
    painter.drawText(QPoint(room, room), title);
    painter.end();

    EXPECT_EQ(InkRows(shown, background.rgb()), InkRows(alone, background.rgb()))
        << where << " title \"" << title.toStdString() << "\" is cut";
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
            // A label that wraps its lines must hold them all.
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << where;
            else
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
            ExpectTitleShownWhole(box, box->title(), where);
        }
        if (auto* group = qobject_cast<TRzCustomRadioGroup*>(control))
            ExpectTitleShownWhole(group, group->Caption(), where);
        ExpectTidy(control, state);
    }
}

// Runs every mode in both orientations (lying with semi-ellipsoidal heads,
// standing with dished ones) with results as wide as the window shows them
// in practice, numbers typed with the window's decimal separator.
void ExpectTidyInEveryState(const std::string& name, TMainForm& form)
{
    const QChar separator = QChar::fromLatin1(tankora::ProcessFormatSettings().DecimalSeparator);
    const auto number
        = [&](const char* text) { return QString::fromLatin1(text).replace(u'.', separator); };
    form.dL->SetText(number("12.5"));
    form.dD->SetText(number("3.2"));
    form.db->SetText(number("0.8"));
    const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
    const char* modes[] = { "volume", "height", "new-height" };
    for (int orientation = 0; orientation < 2; ++orientation) {
        form.CbOrientation->SetItemIndex(orientation);
        form.CbOrientationChange(&form);
        // Standing, the tank has dished heads, computed exactly: the note
        // that says so must fit as well.
        form.cbHead->SetItemIndex(orientation ? 7 : 0);
        form.cbHeadChange(&form);
        for (int mode = 0; mode < 3; ++mode) {
            form.CalcOptions->SetItemIndex(mode);
            (mode == 1 ? form.eV : form.eH)->SetText(number("1.5"));
            form.eQ->SetText(number("0.01"));
            form.eT->SetText(QStringLiteral("60"));
            QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
            const std::string state
                = name + (orientation ? " vertical " : " horizontal ") + modes[mode];
            EXPECT_NE(form.LResult->Caption(), QStringLiteral("0")) << state << ": no result";
            EXPECT_EQ(form.stExact->isVisible(), orientation == 1) << state;
            ExpectTidy(&form, state);
            if (!screenshots.isEmpty()) {
                QString file = QString::fromStdString(state).trimmed().replace(u' ', u'-');
                file = QDir(screenshots).filePath(file + QStringLiteral(".png"));
                EXPECT_TRUE(form.grab().save(file)) << file.toStdString();
            }
        }
    }
}

TEST(MainLayout, NothingIsClippedOrOverlappingInAnyModeOrOrientation)
{
    const SeparatorScope point('.');
    tankora::MessageLog messages;
    std::unique_ptr<TMainForm> form(CreateMainForm());
    form->show();
    ExpectTidyInEveryState("native", *form);
}

class MainLayoutInLanguage : public ::testing::TestWithParam<tankora::test::ShippedLanguage>
{ };

TEST_P(MainLayoutInLanguage, NothingIsClippedOrOverlappingAndRightToLeftIsMirrored)
{
    tankora::MessageLog messages;
    tankora::test::StartedInLanguage started(GetParam());
    TMainForm& form = started.Form();
    ASSERT_TRUE(form.IvTranslator1->Opened()) << "the dictionary was not opened";

    const bool rightToLeft = GetParam().iso == "he" || GetParam().iso == "ar";
    EXPECT_EQ(form.IvTranslator1->Mirrored(), rightToLeft);
    EXPECT_EQ(form.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // OK sits at the right edge as written, at the left edge mirrored.
    const int okLeft = form.BitBtn1->geometry().left();
    EXPECT_EQ(okLeft, rightToLeft ? 464 - 369 - 90 : 369);
    ExpectTidyInEveryState(GetParam().iso, form);
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, MainLayoutInLanguage,
    ::testing::ValuesIn(tankora::test::ShippedLanguages()),
    [](const ::testing::TestParamInfo<tankora::test::ShippedLanguage>& instance) {
        return instance.param.iso;
    });

} // namespace
