#include "platform/system/IniText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// What the platform's own profile functions do beyond the system's: a write changes only the line
// it must, where the system may write the whole file anew (IniFileTest holds the shared cases).

namespace qp {
namespace {

using namespace std::string_view_literals;

struct TEditCase {
  int Number;
  std::string_view Before;
  const char* Section;
  const char* Key;
  const char* Value;
  std::string_view After;
};

TEST(IniText, AWriteKeepsEveryOtherByte) {
  const TEditCase cases[] = {
      {1, "; top\n\n[ App ] ;note\n key = old \nnoeq\n\n[Next]\nx=1\n", "App", "KEY", "new",
       "; top\n\n[ App ] ;note\nkey=new\nnoeq\n\n[Next]\nx=1\n"},
      {2, "[A]\r\nk=1\r\n\r\n  \r\n[B]\r\n", "A", "j", "2",
       "[A]\r\nk=1\r\nj=2\r\n\r\n  \r\n[B]\r\n"},
      {3, "[A]\nk=1\n\n", "B", "j", "2", "[A]\nk=1\n\n[B]\r\nj=2\r\n"},
      {4, "[A]\rk=1\r[B]\r", "A", "k", "2", "[A]\rk=2\r[B]\r"},
      {5, "\xEF\xBB\xBF[A]\r\n", "", "k", "v", "\xEF\xBB\xBFk=v\r\n[A]\r\n"},
      {6, "[A]\r\nk=1\r\n", " B\t", " j ", "  two words  ", "[A]\r\nk=1\r\n[B]\r\nj=two words\r\n"},
      {7, "[A]\r\na\0b=1\r\n"sv, "A", "a", "2", "[A]\r\na=2\r\n"},
      {8, "", "A", "k", "v", "[A]\r\nk=v\r\n"},
  };
  for (const TEditCase& c : cases) {
    SCOPED_TRACE("case " + std::to_string(c.Number));
    IniText text{std::string(c.Before)};
    text.Write(c.Section, c.Key, c.Value);
    EXPECT_EQ(text.Text(), c.After);
  }
}

}  // namespace
}  // namespace qp
