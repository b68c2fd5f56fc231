#pragma once
// The frame that the programs' small dialogs share.

class TForm;

// A tool window with a close box only, of a fixed client size, in the forms' font.
void SetUpDialogFrame(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);
// The same frame on the dialogs' blue.
void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);

