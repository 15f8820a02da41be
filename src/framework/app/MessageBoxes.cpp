#include "framework/app/MessageBoxes.h"

#include "framework/app/ResStrings.h"
#include "nls/GuiText.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class TModalMessageBoxes : public TMessageService
{
public:
    void Show(const TMessage& message) override
    {
        const QMessageBox::Icon icon = message.type == TMsgDlgType::mtWarning ? QMessageBox::Warning
            : message.type == TMsgDlgType::mtError ? QMessageBox::Critical
                                                   : QMessageBox::Information;
        QMessageBox box(icon, tankora::AnsiToQString(message.caption),
            tankora::AnsiToQString(message.text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
};

std::unique_ptr<TMessageService>& Active()
{
    static std::unique_ptr<TMessageService> service = std::make_unique<TModalMessageBoxes>();
    return service;
}

} // namespace

std::unique_ptr<TMessageService> SetMessageService(std::unique_ptr<TMessageService> service)
{
    if (!service)
        service = std::make_unique<TModalMessageBoxes>();
    std::swap(service, Active());
    return service;
}

void ShowMessageBox(const std::string& text, const std::string& caption, TMsgDlgType type)
{
    Active()->Show({ type, caption, text });
}

void ShowWarning(const std::string& text)
{
    ShowMessageBox(text, LoadResString(SMsgDlgWarning), TMsgDlgType::mtWarning);
}

void ShowError(const std::string& text)
{
    ShowMessageBox(text, LoadResString(SMsgDlgError), TMsgDlgType::mtError);
}

TScopedMessageRecorder::TScopedMessageRecorder()
{
    auto recorder = std::make_unique<TMessageRecorder>();
    m_recorder = recorder.get();
    m_previous = SetMessageService(std::move(recorder));
}

TScopedMessageRecorder::~TScopedMessageRecorder()
{
    SetMessageService(std::move(m_previous));
}
