#pragma once
// What the small dialogs that serve the style grids (size, text and bit input) share: a blue
// tool window of a fixed client size in the window's font, centred over the active pane's style
// grid when it opens.

class QWidget;
class TForm;
class TStringGrid;

void SetUpStyleGridDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop);

// The style grid of the main window's active pane.
[[nodiscard]] TStringGrid* ActiveStyleGrid();

void CentreOverActiveStyleGrid(QWidget* dialog);
