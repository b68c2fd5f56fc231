// Byteloom's start: the data layer first, then the application, its main window (whose creation
// handler runs inside its construction) and the dialogs, made once and reused; the data layer's
// end after the last window.
#include "AddressBoxUnit.h"
#include "ColorAndFont.h"
#include "DataUnit.h"
#include "Form.h"
#include "MainUnit.h"
#include "PlatformSeam.h"
#include "SearchBoxUnit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    InitDataLayer();
    int result = 0;
    {
        QApplication application(argc, argv);
        SetApplicationTitle(QStringLiteral("Byteloom"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/Byteloom.png")));
        InstallMessageBoxes();
        InstallFontSubstitutes();
        TMainForm mainForm;
        TSearchBox searchBox;
        TAddressBox addressBox;
        CentreInOwnerRect(&mainForm, {});
        mainForm.show();
        result = QApplication::exec();
    }
    DoneDataLayer();
    return result;
}
