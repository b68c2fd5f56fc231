#pragma once
// The two boxes through which problems reach the user. ShowMessage is the plain message box
// that the data layer's parsers use; the error box shows a runtime error that ended a command.
// The GUI installs modal boxes with an OK button; tests install recorders. Without a hook both
// write to standard error.

#include <functional>
#include <string>

using TMessageHook = std::function<void(const std::string& text)>;

void ShowMessage(const std::string& text);
// Installs a new hook and returns the one it replaces; an empty hook restores the default.
TMessageHook SetShowMessageHook(TMessageHook hook);

void ShowErrorBox(const std::string& text);
TMessageHook SetErrorBoxHook(TMessageHook hook);

// Runs one event handler to its end: a runtime error (ERuntimeError, or memory that could not
// be had) ends the handler there and is shown in the error box. Returns false when it did.
bool RunHandler(const std::function<void()>& handler);
