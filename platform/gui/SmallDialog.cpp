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

bool EnterOrEscape(TForm* dialog, QChar& key, const std::function<void()>& accept)
{
    if (key == u'\r') {
        key = QChar();
        accept();
    } else if (key == u'\x1b') {
        key = QChar();
        dialog->SetModalResult(mrNo);
    } else {
        return false;
    }
    return true;
}
