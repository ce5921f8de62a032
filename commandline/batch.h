// Batch conversion: many positions in, their locators out, as fast as the
// lines can be split.
#pragma once

#include "locator/grid.h"

namespace quillmark {

// Reads lines from the file descriptor `input` until its end, each a longitude
// and a latitude in the window's notation separated by a tab, or a position
// in any notation without a tab (a trailing CR is ignored), and writes one
// line to `output` for each, in the same order:
// its locator of `length`, or nothing when the line gives none; the reason
// then goes to `errors` as "line N: <message>". Returns 0 when every line
// gave a locator (an empty input included), else 1; 1 too, with the reason on
// `errors`, when the input cannot be read or the output cannot be written.
int convertLines(int input, int output, int errors, LocatorLength length);

}  // namespace quillmark
