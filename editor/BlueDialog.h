#pragma once
// The frame that the program's small dialogs share: a blue tool window with a close box only, of
// a fixed client size, in the forms' font.

class TForm;

void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);
