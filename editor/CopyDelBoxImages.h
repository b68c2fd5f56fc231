#pragma once
// The copy and delete dialog's button images, drawn at run time: 16 x 16 pictures in a few plain
// colours on a transparent ground, each with a greyed twin for the disabled button.

#include <QIcon>

// A red arrow pointing right: from the style group to the Stack.
[[nodiscard]] QIcon ArrowRightImage();
// A red arrow pointing left: from the Stack to the style group.
[[nodiscard]] QIcon ArrowLeftImage();
// A waste bin: delete.
[[nodiscard]] QIcon WasteBinImage();
