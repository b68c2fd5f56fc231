#pragma once
// What the small dialogs that serve the style grids (size, text and bit input) share: they open
// centred over the active pane's style grid.

class QWidget;
class TStringGrid;

// The style grid of the main window's active pane.
[[nodiscard]] TStringGrid* ActiveStyleGrid();

void CentreOverActiveStyleGrid(QWidget* dialog);
