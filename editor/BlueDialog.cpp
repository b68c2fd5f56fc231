#include "BlueDialog.h"

#include "ColorAndFont.h"
#include "Form.h"

void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    dialog->SetToolWindow(staysOnTop);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->SetColor(Qt::blue);
    dialog->setFont(FormFont());
}
