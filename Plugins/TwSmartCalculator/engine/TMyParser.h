#pragma once
// Tokenizer and recursive-descent parser of a prepared text (TMyPreparedText),
// evaluating each call as it completes it: children first, left to right, the
// order in which folding an expression tree would run them, so no tree is
// built.

#include "TMyNumberText.h"

#include <string_view>

namespace MyTools
{

// The value of a prepared text, which a NUL must follow. A text that does not
// parse throws errFormula (or errComma, errNesting) whatever it would compute;
// otherwise the first code a function raises is thrown, and nothing is
// evaluated after it. The caller provides the floating-point guest.
double EvaluatePreparedText(std::string_view text, const NumberReader& numbers);

} // namespace MyTools
