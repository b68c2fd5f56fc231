// Byteloom's start: the data layer first, then the application and its main window, whose
// creation handler runs inside its construction; the data layer's end after the last window.
#include "ColorAndFont.h"
#include "DataUnit.h"
#include "Form.h"
#include "MainUnit.h"
#include "PlatformSeam.h"
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
        TMainForm mainForm;
        TTextChip textChip;
        CentreInOwnerRect(&mainForm, {});
        mainForm.show();
        result = QApplication::exec();
    }
    DoneDataLayer();
    return result;
}
