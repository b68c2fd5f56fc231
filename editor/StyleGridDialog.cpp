#include "StyleGridDialog.h"

#include "Form.h"
#include "MainUnit.h"
#include "StringGrid.h"

#include <QPalette>

void SetUpStyleGridDialog(QWidget* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    dialog->setWindowFlags(flags);
    dialog->setFixedSize(clientWidth, clientHeight);
    QPalette colours = dialog->palette();
    colours.setColor(QPalette::Window, Qt::blue);
    dialog->setPalette(colours);
    dialog->setAutoFillBackground(true);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    dialog->setFont(font);
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
