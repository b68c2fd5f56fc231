#pragma once
// How the display options look on a grid.

#include "DataUnit.h"
#include "StringGrid.h"

#include <cstdint>

// The option colour as the grid's colour and as its fixed cells' colour.
void PaintGrid(TStringGrid* grid, int32_t colour);
// The grid takes a copy of the font object's settings.
void ApplyFont(TStringGrid* grid, const TDataFont& font);
