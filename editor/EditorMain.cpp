// Byteloom's start: the data layer first, then the application, its main window, whose creation
// handler runs inside its construction, and the dialogs; the data layer's end after the last window.
#include "BinaryBoxUnit.h"
#include "ColorAndFont.h"
#include "CopyDelBoxUnit.h"
#include "DataUnit.h"
#include "Form.h"
#include "InputBoxUnit.h"
#include "MainUnit.h"
#include "PlatformSeam.h"
#include "SizeBoxUnit.h"

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
        TSizeBox sizeBox;
        TInputBox inputBox;
        TBinaryBox binaryBox;
        CentreInOwnerRect(&mainForm, {});
        mainForm.show();
        result = QApplication::exec();
    }
    DoneDataLayer();
    return result;
}
