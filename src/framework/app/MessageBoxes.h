// Modal message boxes through one replaceable service. The default service
// shows a modal box with one "OK" button; tests install a recorder
// (TScopedMessageRecorder) so that nothing ever blocks on a box.
#pragma once

#include <memory>
#include <string>
#include <vector>

enum class TMsgDlgType { mtWarning, mtError, mtInformation };

// One box: its kind (the icon), caption and text (8-bit texts).
struct TMessage
{
    TMsgDlgType type;
    std::string caption;
    std::string text;
    bool operator==(const TMessage&) const = default;
};

class TMessageService
{
public:
    virtual ~TMessageService() = default;
    // Shows the box and returns when the user has closed it.
    virtual void Show(const TMessage& message) = 0;
};

// Installs service (null restores the default) and returns the previous one.
std::unique_ptr<TMessageService> SetMessageService(std::unique_ptr<TMessageService> service);

// A box with the given caption and icon.
void ShowMessageBox(const std::string& text, const std::string& caption, TMsgDlgType type);
// Caption "Warning", exclamation icon.
void ShowWarning(const std::string& text);
// Caption "Error", stop icon.
void ShowError(const std::string& text);

// Records the boxes instead of showing them.
class TMessageRecorder : public TMessageService
{
public:
    void Show(const TMessage& message) override { m_messages.push_back(message); }
    const std::vector<TMessage>& Messages() const { return m_messages; }

private:
    std::vector<TMessage> m_messages;
};

// Installs a recorder for its lifetime and restores the previous service.
class TScopedMessageRecorder
{
public:
    TScopedMessageRecorder();
    ~TScopedMessageRecorder();
    TScopedMessageRecorder(const TScopedMessageRecorder&) = delete;
    TScopedMessageRecorder& operator=(const TScopedMessageRecorder&) = delete;

    const std::vector<TMessage>& Messages() const { return m_recorder->Messages(); }

private:
    TMessageRecorder* m_recorder;
    std::unique_ptr<TMessageService> m_previous;
};
