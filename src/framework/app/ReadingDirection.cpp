#include "framework/app/ReadingDirection.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr QChar kRightToLeftMark(0x200F);

class TReadingDirectionToolTips : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isRightToLeft() || widget->toolTip().isEmpty())
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(),
            InReadingDirection(widget->toolTip(), Qt::RightToLeft), widget, QRect(),
            widget->toolTipDuration());
        return true;
    }
};

} // namespace

QString InReadingDirection(const QString& text, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft || text.isEmpty() || text.front() == kRightToLeftMark)
        return text;
    return kRightToLeftMark + text;
}

void InstallReadingDirectionToolTips()
{
    static TReadingDirectionToolTips* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new TReadingDirectionToolTips(qApp);
    qApp->installEventFilter(filter);
}
