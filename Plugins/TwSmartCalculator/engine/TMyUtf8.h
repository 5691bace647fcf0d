#pragma once

#include <string>
#include <string_view>

namespace MyTools
{

// UTF-16 to UTF-8, as the compiler reads expressions. An unpaired surrogate
// becomes U+FFFD, so every input converts.
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace MyTools
