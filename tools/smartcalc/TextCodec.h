#pragma once
// UTF-8 -> UTF-16 for the command line: the engine works on 16-bit text,
// terminals and pipes deliver bytes that need not be valid UTF-8. The other
// direction is the engine's own MyTools::Utf16ToUtf8.

#include <string>
#include <string_view>

// Each ill-formed sequence becomes one U+FFFD (the longest valid prefix of a
// broken sequence is consumed with it), so no input can stop the decoding.
std::u16string Utf8ToUtf16(std::string_view strUtf8);
