#include "StyleGridDialog.h"

#include "ColorAndFont.h"
#include "Form.h"
#include "MainUnit.h"
#include "StringGrid.h"


void SetUpStyleGridDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    dialog->SetToolWindow(staysOnTop);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->SetColor(Qt::blue);
    dialog->setFont(FormFont());
}

TStringGrid* ActiveStyleGrid()
{
    return MainForm->StyleGrid(MainForm->ActivePane);
}

void CentreOverActiveStyleGrid(QWidget* dialog)
{
    const TStringGrid* grid = ActiveStyleGrid();
    const QPoint topLeft = grid->mapToGlobal(QPoint(0, 0));
    CentreInOwnerRect(dialog, {topLeft.x(), topLeft.y(), topLeft.x() + grid->width(), topLeft.y() + grid->height()});
}
