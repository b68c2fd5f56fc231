#pragma once
// What the programs' small dialogs share: their frame, and the Enter and Esc keys of the dialogs
// that take their input from the keyboard.

#include <QChar>

#include <functional>

class TForm;

// A tool window with a close box only, of a fixed client size, in the forms' font.
void SetUpDialogFrame(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);
// The same frame on the dialogs' blue.
void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);

// For a key-press handler: Enter runs accept, which sets the modal result when the input is
// taken; Esc closes the dialog with No. Either key is dropped, and so is the rest of its keystroke
// (its repeats and its release), which nothing under the dialog hears. False for any other key,
// which is left to the caller.
bool EnterOrEscape(TForm* dialog, QChar& key, const std::function<void()>& accept);
