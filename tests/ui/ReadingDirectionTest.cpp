// Texts read in their window's direction whatever their first letter: the
// five unit hints of the window in Hebrew and Arabic, shown as tool tips,
// are drawn right to left; and the text of a message box reads in the
// application's direction.
#include "framework/app/ReadingDirection.h"
#include "ui/Main.h"

#include "StartedInLanguage.h"
#include "framework/controls/ComboBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using tankora::test::ShippedLanguage;

TEST(ReadingDirection, ARightToLeftTextStartsWithItsMarkOnce)
{
    const QString hint = QStringLiteral("m: מטרים");
    EXPECT_EQ(InReadingDirection(hint, Qt::LeftToRight), hint);
    const QString shown = InReadingDirection(hint, Qt::RightToLeft);
    EXPECT_EQ(shown, QChar(0x200F) + hint);
    EXPECT_TRUE(shown.isRightToLeft());
    EXPECT_EQ(InReadingDirection(shown, Qt::RightToLeft), shown);
    EXPECT_EQ(InReadingDirection(QString(), Qt::RightToLeft), QString());
}

// The tool tip on screen now, or null.
QLabel* ShownToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return qobject_cast<QLabel*>(widget);
    }
    return nullptr;
}

// How far apart two grabs of one line of text are, blind to where within a
// pixel a glyph lands and to the line as a whole a few pixels aside: the
// darkness of each column, summed over a few columns around it, compared
// column by column at the best of small shifts. Words in another order give
// a large distance; the same words a little apart, a small one.
double Distance(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1e12;
    const auto profile = [](const QImage& image) {
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        std::vector<double> darkness(static_cast<std::size_t>(grey.width()), 0.0);
        for (int y = 0; y < grey.height(); ++y) {
            const uchar* line = grey.constScanLine(y);
            for (int x = 0; x < grey.width(); ++x)
                darkness[static_cast<std::size_t>(x)] += 255 - line[x];
        }
        constexpr int kReach = 3;
        std::vector<double> smoothed(darkness.size(), 0.0);
        for (std::size_t x = 0; x < darkness.size(); ++x) {
            for (int d = -kReach; d <= kReach; ++d) {
                const auto at = static_cast<std::ptrdiff_t>(x) + d;
                if (at >= 0 && at < static_cast<std::ptrdiff_t>(darkness.size()))
                    smoothed[x] += darkness[static_cast<std::size_t>(at)];
            }
        }
        return smoothed;
    };
    const std::vector<double> first = profile(a);
    const std::vector<double> second = profile(b);
    const auto width = static_cast<std::ptrdiff_t>(first.size());
    double best = 1e12;
    for (std::ptrdiff_t shift = -4; shift <= 4; ++shift) {
        double distance = 0;
        for (std::ptrdiff_t x = 0; x < width; ++x) {
            const std::ptrdiff_t other = x + shift;
            const double there
                = other >= 0 && other < width ? second[static_cast<std::size_t>(other)] : 0.0;
            distance += std::abs(first[static_cast<std::size_t>(x)] - there);
        }
        best = std::min(best, distance);
    }
    return best;
}

// The label drawn with `text` instead of what it shows.
QImage GrabWith(QLabel* label, const QString& text)
{
    const QString shown = label->text();
    label->setText(text);
    QImage image = label->grab().toImage();
    label->setText(shown);
    return image;
}

class UnitHints : public ::testing::TestWithParam<ShippedLanguage>
{ };

TEST_P(UnitHints, ReadRightToLeft)
{
    tankora::test::StartedInLanguage started(GetParam());
    TMainForm& form = started.Form();
    ASSERT_EQ(form.layoutDirection(), Qt::RightToLeft);
    for (TComboBox* list : { form.cbHu, form.cbVu, form.cbQu, form.cbtu, form.CbResultUnits }) {
        SCOPED_TRACE(list->objectName().toStdString());
        const QString hint = list->toolTip();
        ASSERT_FALSE(hint.isEmpty());
        ASSERT_FALSE(hint.isRightToLeft()) << "the hint starts with a Latin unit symbol";
        const QPoint at = list->rect().center();
        QHelpEvent event(QEvent::ToolTip, at, list->mapToGlobal(at));
        QApplication::sendEvent(list, &event);
        QLabel* tip = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (tip = ShownToolTip()) != nullptr; }, 2000));
        const QImage shown = tip->grab().toImage();
        // The same text drawn inside a right-to-left embedding, and inside a
        // left-to-right one (how it read before).
        const QImage rightToLeft = GrabWith(tip, QChar(0x202B) + hint + QChar(0x202C));
        const QImage leftToRight = GrabWith(tip, QChar(0x202A) + hint + QChar(0x202C));
        // An embedding may place glyphs a fraction of a pixel away from
        // where a mark does, so the grab is compared by its columns' ink.
        const double fromRightToLeft = Distance(shown, rightToLeft);
        const double fromLeftToRight = Distance(shown, leftToRight);
        EXPECT_LT(fromRightToLeft * 5, fromLeftToRight)
            << "distance to the text drawn right to left " << fromRightToLeft
            << ", to it drawn left to right " << fromLeftToRight;
        const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
        if (!screenshots.isEmpty()) {
            const QString stem = screenshots + QStringLiteral("/hint-")
                + QString::fromStdString(GetParam().iso) + QLatin1Char('-') + list->objectName();
            shown.save(stem + QStringLiteral(".png"));
            rightToLeft.save(stem + QStringLiteral("-rtl.png"));
            leftToRight.save(stem + QStringLiteral("-ltr.png"));
        }
        QToolTip::hideText();
        QTest::qWait(1);
    }
}

INSTANTIATE_TEST_SUITE_P(RightToLeft, UnitHints,
    ::testing::Values(ShippedLanguage { "he", 10, 0x040D }, ShippedLanguage { "ar", 11, 0x0401 }),
    [](const ::testing::TestParamInfo<ShippedLanguage>& instance) { return instance.param.iso; });

} // namespace
