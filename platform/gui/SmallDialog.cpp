#include "SmallDialog.h"

#include "ColorAndFont.h"
#include "Form.h"

void SetUpDialogFrame(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    dialog->SetToolWindow(staysOnTop);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setFont(FormFont());
}

void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    SetUpDialogFrame(dialog, clientWidth, clientHeight, staysOnTop);
    dialog->SetColor(Qt::blue);
}
