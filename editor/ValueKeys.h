#pragma once
// Which typed characters a value of a kind can be made of, for the boxes that take a value as
// text: the bits of Binary, the digits of Hex, the digits and the minus sign of the numbers.

#include <QChar>

// Every character fits a kind outside Binary to Int64.
[[nodiscard]] bool KeyFitsKind(int kind, QChar key);
