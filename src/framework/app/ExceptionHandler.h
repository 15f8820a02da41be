// Exceptions never cross the Qt event loop: what an event handler throws is
// handed to one replaceable application-wide handler. Controls fire their
// events through CallHandler(), which catches next to the handler so the
// exception never unwinds through Qt's widget code; TApplication::notify()
// is the last resort for anything else.
#pragma once

#include <exception>
#include <functional>

using TExceptionHandler = std::function<void(const std::exception&)>;

// Installs the handler (an empty one restores the default) and returns the
// previous one.
TExceptionHandler SetApplicationExceptionHandler(TExceptionHandler handler);
// Whether a handler other than the default is installed.
bool HasApplicationExceptionHandler();
// Hands error to the installed handler; the default shows an error box
// with the message. A handler that throws is reported by the default.
void HandleException(const std::exception& error);
// Runs fire (which emits an event); an exception from the handlers goes to
// HandleException and does not propagate.
void CallHandler(const std::function<void()>& fire);
