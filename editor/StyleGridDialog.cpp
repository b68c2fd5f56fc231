#include "StyleGridDialog.h"

#include "Form.h"
#include "MainUnit.h"
#include "StringGrid.h"

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
