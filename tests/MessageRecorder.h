#pragma once
// Records what the message box and the error box would have shown, for the life of the object.

#include "Messages.h"

#include <string>
#include <vector>

class MessageRecorder {
public:
    MessageRecorder()
        : m_previousMessage(SetShowMessageHook([this](const std::string& text) { Messages.push_back(text); })),
          m_previousError(SetErrorBoxHook([this](const std::string& text) { Errors.push_back(text); }))
    {
    }
    ~MessageRecorder()
    {
        SetShowMessageHook(m_previousMessage);
        SetErrorBoxHook(m_previousError);
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::string> Messages;
    std::vector<std::string> Errors;

private:
    TMessageHook m_previousMessage;
    TMessageHook m_previousError;
};
