#include "framework/app/ExceptionHandler.h"

#include "framework/app/MessageBoxes.h"
#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"

namespace {

TExceptionHandler& Handler()
{
    static TExceptionHandler handler;
    return handler;
}

void ShowException(const std::exception& error)
{
    ShowError(error.what());
}

} // namespace

TExceptionHandler SetApplicationExceptionHandler(TExceptionHandler handler)
{
    std::swap(handler, Handler());
    return handler;
}

bool HasApplicationExceptionHandler()
{
    return static_cast<bool>(Handler());
}

void HandleException(const std::exception& error)
{
    if (!Handler()) {
        ShowException(error);
        return;
    }
    try {
        Handler()(error);
    } catch (const std::exception& nested) {
        ShowException(nested);
    }
}

void CallHandler(const std::function<void()>& fire)
{
    try {
        fire();
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(Exception(LoadResString(SUnknownException)));
    }
}
