#pragma once
// Lengths typed in feet and inches, one operand each, their value in inches:
// 5' (60), 6" (6), 5'6" and 5'-6" (66), 5'-6 1/2" and 5'6-1/2" (66.5),
// 3/4" (0.75), 2.5' (30), 1'-0.25" (12.25).
//
// The grammar, on a prepared text (TMyPreparedText: spaces outside a length
// are gone, the one between whole inches and their fraction is kept):
//   length   := feet [ ['-'] inches '"' ] | inches '"'
//   feet     := number "'"
//   inches   := number | number ' ' fraction | fraction       alone
//               number ('-' | ' ') fraction                   after feet
//   fraction := digits '/' digits
// A number is what the number reader reads elsewhere (12, 2.5, .5). After
// feet, a hyphen and a number that is followed by "'" is a subtraction:
// 10'-6' is 48. A length is never followed by a digit, a point or a mark
// (5'6, 5"6', 5''), and a mark never stands without its number ('5, (5)').
// Alone, 6-1/2" is 6 minus half an inch: only feet make the hyphen part of
// the length, where nothing else can be meant.

#include "TMyNumberText.h"

#include <cstddef>
#include <string_view>

namespace MyTools
{

// Reads the number at pText and, when a mark or an inch fraction follows, the
// length it starts; the value is in inches for a length. Returns the count of
// characters read (0: no number at pText). pEnd is the end of the whole text,
// which a NUL follows. Throws errLength for a malformed length and
// errInchFraction for a fraction with 0 below the line.
std::size_t ReadNumberOrLength(const char* pText, const char* pEnd, const NumberReader& numbers,
                               double& dValue);

// Whether a length may go on after a number that c follows: a mark, or the
// slash or space of an inch fraction. Inline: the parser asks it after every
// number and reads on only where it says so.
inline bool MayStartLength(char c)
{
    return c == '\'' || c == '"' || c == '/' || c == ' ';
}

// ReadNumberOrLength for a number [pText, pNumberEnd) already read into
// dValue: the end of the length it starts, or pNumberEnd.
const char* ReadLengthAfter(const char* pText, const char* pNumberEnd, const char* pEnd,
                            const NumberReader& numbers, double& dValue);

// A whole text that is one length with an optional sign ("-5'-6 1/2\""),
// spaces read as in an expression; its value in inches, infinite beyond the
// range of a double. Anything else (a plain number too) throws errLength,
// or errInchFraction, or errBrackets.
double ReadLengthText(std::u16string_view strText);

} // namespace MyTools
