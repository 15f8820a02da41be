#include "WindowMessages.h"

#include "GuiText.h"
#include "IvMultiStrings.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace tankora {
namespace {

void ShowModalBox(MessageKind kind, const std::string& text)
{
    const bool warning = kind == MessageKind::Warning;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Critical,
        warning ? QStringLiteral("Warning") : QStringLiteral("Error"), AnsiToQString(text),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessagePresenter& Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

} // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

void WindowMessages::Show(MessageKind kind, std::string_view text)
{
    const std::string translated = TranslateString(std::string(text));
    if (Presenter())
        Presenter()(kind, translated);
    else
        ShowModalBox(kind, translated);
}

} // namespace tankora
