// Trawlbox's start: the application, then its main window and its three dialogs in this order;
// the message loop runs until the main window closes.
#include "ColorAndFont.h"
#include "FolderBoxUnit.h"
#include "PlatformSeam.h"
#include "SearchResultBoxUnit.h"
#include "SearchValueBoxUnit.h"
#include "TrawlboxUnit.h"

#include <QApplication>
#include <QIcon>

namespace {

int SearchToolMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("Trawlbox"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Trawlbox.png")));
    InstallMessageBoxes();
    InstallFontSubstitutes();
    // The menus and message boxes are windows of their own and take the forms' font from here.
    QApplication::setFont(FormFont());
    TTrawlboxForm trawlboxForm;
    TFolderBox folderBox;
    TSearchValueBox searchValueBox;
    TSearchResultBox searchResultBox;
    CentreInOwnerRect(&trawlboxForm, {});
    trawlboxForm.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    return SearchToolMain(argc, argv);
}
