#pragma once

#include <string>
#include <string_view>

namespace qp {

// Letter case. The plain forms know the ASCII letters a to z only; the Ansi forms also fold the
// accented letters of the program's 8-bit code page (Windows-1252), as the user's locale does.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// Compare without regard to letter case: negative, zero or positive like std::string::compare.
int CompareText(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

}  // namespace qp
