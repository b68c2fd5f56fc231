// Byteloom's start: the data layer first, then the application, its main window (whose creation
// handler runs inside its construction) and the dialogs, made once and reused; the data layer's
// end after the last window.
#include "AddressBoxUnit.h"
#include "BinaryBoxUnit.h"
#include "ColorAndFont.h"
#include "CopyDelBoxUnit.h"
#include "DataUnit.h"
#include "Form.h"
#include "InputBoxUnit.h"
#include "MainUnit.h"
#include "PlatformSeam.h"
#include "SearchBoxUnit.h"
#include "SizeBoxUnit.h"
#include "TextChipUnit.h"

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
        // The menus and message boxes are windows of their own and take the forms' font from here.
        QApplication::setFont(FormFont());
        TMainForm mainForm;
        TCopyDelBox copyDelBox;
        TSearchBox searchBox;
        TSizeBox sizeBox;
        TTextChip textChip;
        TInputBox inputBox;
        TBinaryBox binaryBox;
        TAddressBox addressBox;
        CentreInOwnerRect(&mainForm, {});
        mainForm.show();
        // The window takes the keyboard at once, menu keys included, also where no window
        // manager hands it over.
        mainForm.activateWindow();
        result = QApplication::exec();
    }
    DoneDataLayer();
    return result;
}
