#pragma once
// The two texts of a successful request: the result as shown, and the
// previous result text that `ans`, reuse, memory and exact chaining carry.

#include <string>

namespace MyTools
{

// Writes the result of a finite value with iAccuracy decimals (trailing zeros
// trimmed; a value that rounds to zero shows as "0", never "-0") to strResult
// and, unless pPrevious is null, its previous result text to *pPrevious: never
// fewer significant digits than the result shows, at least 10 and at most 17,
// in the form of printf's "%.*g". On failure neither is changed.
void WriteResult(double value, int iAccuracy, std::u16string& strResult, std::u16string* pPrevious);

} // namespace MyTools
