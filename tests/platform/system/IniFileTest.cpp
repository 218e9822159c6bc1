#include "platform/system/IniFile.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/StringList.h"
#include "platform/system/Profile.h"
#include "tests/platform/TemporaryDirectory.h"

// The same cases run against the system's profile functions on Windows (and under Wine) and
// against the platform's own elsewhere: where they pass on both, both behave the same.

namespace qp {
namespace {

using namespace std::string_view_literals;

constexpr char kSentinel = '#';

std::string ReadText(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Gives a profile function a buffer of size bytes, with two more behind it, all filled with
// sentinels, and checks its answer and the bytes it stored; every other byte must be untouched.
// Failures name the caller's line (std::source_location is missing from the sanitizer build's
// clang, the built-ins give the same in every compiler of the project).
template <class Call>
void CheckBuffer(int number, std::size_t size, const Call& call, std::size_t count,
                 std::string_view stored, const char* file = __builtin_FILE(),
                 int line = __builtin_LINE()) {
  ::testing::ScopedTrace trace(file, line, "case " + std::to_string(number));
  std::vector<char> buffer(size + 2, kSentinel);
  EXPECT_EQ(call(std::span(buffer).first(size)), count);
  std::string expected(stored);
  expected.resize(buffer.size(), kSentinel);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), expected);
}

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list.Strings(i));
  return lines;
}

class IniFileTest : public ::testing::Test {
 protected:
  // Every case gets a file of its own: the system keeps files it has read in memory and may miss
  // a rewrite within the same tick of the file clock.
  std::string NewName() { return directory_.Path("case" + std::to_string(++files_) + ".ini"); }

  std::string NewFile(std::string_view text) {
    const std::string name = NewName();
    std::ofstream(name, std::ios::binary) << text;
    return name;
  }

  TemporaryDirectory directory_;
  int files_ = 0;
};

struct TReadCase {
  int Number;
  std::string_view File;
  const char* Section;
  const char* Key;
  const char* Default;
  std::size_t Size;
  std::size_t Count;
  std::string_view Stored;
};

TEST_F(IniFileTest, ReadStringFindsValuesAsTheSystemDoes) {
  constexpr std::string_view kSpaced = "[ Section1 ]\r\n Key1 = value 1  \r\n";
  constexpr std::string_view kLong = "[A]\r\nk=abcdefghij\r\nq=\"abcdefghij\"\r\n";
  const TReadCase cases[] = {
      {1, kSpaced, "section1", "KEY1", "def", 16, 7, "value 1\0"sv},
      {2, kSpaced, " Section1 \t", "\tkey1 ", "def", 16, 7, "value 1\0"sv},
      {3, "[A]\r\nk=\"quoted\"\r\n", "A", "k", "def", 16, 6, "quoted\0"sv},
      {4, "[A]\r\nk='single'\r\n", "A", "k", "def", 16, 6, "single\0"sv},
      {5, "[A]\r\nk= \" spaced \" \r\n", "A", "k", "def", 16, 8, " spaced \0"sv},
      {6, "[A]\r\nk=\"a\"b\"\r\n", "A", "k", "def", 16, 3, "a\"b\0"sv},
      {7, "[A]\r\nk='mixed\"\r\n", "A", "k", "def", 16, 7, "'mixed\"\0"sv},
      {8, "[A]\r\nk=\"\r\n", "A", "k", "def", 16, 1, "\"\0"sv},
      {9, "[A]\r\nk=\"\"\r\n", "A", "k", "def", 16, 0, "\0"sv},
      {10, "[A]\r\n", "A", "k", "def  ", 16, 3, "def\0"sv},
      {11, "[A]\r\n", "A", "k", " def \t", 16, 6, " def \t\0"sv},
      {12, "[A]\r\n", "A", "k", "   ", 16, 1, " \0"sv},
      {13, "[A]\r\n", "A", "k", "\"abc\"  ", 16, 3, "abc\0"sv},
      {14, "[A]\r\n", "B", "k", "def", 16, 3, "def\0"sv},
      {15, "[A]\r\nnoequals\r\n", "A", "noequals", "def", 16, 3, "def\0"sv},
      {16, "[A]\r\nk\r\nk=1\r\n", "A", "k", "def", 16, 3, "def\0"sv},
      {17, "[A]\r\n;comment=1\r\n", "A", ";comment", "def", 16, 1, "1\0"sv},
      {18, "[A]\rk1=v1\r[B]\rk3=v3", "B", "k3", "def", 16, 2, "v3\0"sv},
      {19, "[A]\nk1=v1\n[B]\nk3=v3\n", "b", "k3", "def", 16, 2, "v3\0"sv},
      {20, "[A]\n\rk1=v1\n\r[B]\r\n\nk3=v3\n", "A", "k1", "def", 16, 2, "v1\0"sv},
      {21, "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "def", 16, 1, "1\0"sv},
      {22, "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=3\r\nj=4\r\n", "A", "j", "def", 16, 3, "def\0"sv},
      {23, "k0=v0\r\n[A]\r\n", "", "k0", "def", 16, 2, "v0\0"sv},
      {24, "[A\r\nk1=v1\r\n", "A", "k1", "def", 16, 3, "def\0"sv},
      {25, "[B]junk\r\nk=v\r\n", "B", "k", "def", 16, 1, "v\0"sv},
      {26, "[D]]\r\nk=v\r\n", "D]", "k", "def", 16, 1, "v\0"sv},
      {27, "[\xC4rger]\r\n\xE4k=\xFC\r\n", "\xC4rger", "\xE4k", "def", 16, 1, "\xFC\0"sv},
      {28, "[\xC4rger]\r\n\xE4k=\xFC\r\n", "\xE4rger", "\xE4k", "def", 16, 3, "def\0"sv},
      {29,
       "[A]\r\nk=\t\v\f\x1A"
       "v\x1A\f\v\t\r\n",
       "A", "k", "def", 16, 1, "v\0"sv},
      {30, "[A]\r\nk=\x01v\x01\r\nj=\xA0v\xA0\r\n", "A", "k", "def", 16, 3, "\x01v\x01\0"sv},
      {31, "[A]\r\nk=\x01v\x01\r\nj=\xA0v\xA0\r\n", "A", "j", "def", 16, 3, "\xA0v\xA0\0"sv},
      {32, "[A]\r\nk=a\0b\r\n[B\0C]\r\nx=1\r\n"sv, "A", "k", "def", 16, 1, "a\0"sv},
      {33, "[A]\r\nk=a\0b\r\n[B\0C]\r\nx=1\r\n"sv, "B", "x", "def", 16, 1, "1\0"sv},
      {34, "\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k", "def", 16, 1, "v\0"sv},
      {35, kLong, "A", "k", "def", 11, 10, "abcdefghij\0"sv},
      {36, kLong, "A", "k", "def", 10, 9, "abcdefghi\0"sv},
      {37, kLong, "A", "k", "def", 1, 0, "\0"sv},
      {38, kLong, "A", "k", "def", 0, 0, ""},
      {39, kLong, "A", "q", "def", 12, 10, "abcdefghij\0"sv},
      {40, kLong, "A", "q", "def", 11, 9, "abcdefghi\0"sv},
      {41, kLong, "A", "q", "def", 3, 2, "ab\0"sv},
      {42, kLong, "A", "missing", "abcdefghij", 10, 9, "abcdefghi\0"sv},
  };
  for (const TReadCase& c : cases) {
    const std::string file = NewFile(c.File);
    CheckBuffer(
        c.Number, c.Size,
        [&](std::span<char> buffer) {
          return ProfileReadString(file, c.Section, c.Key, c.Default, buffer);
        },
        c.Count, c.Stored);
  }
}

struct TKeyListCase {
  int Number;
  std::string_view File;
  const char* Section;
  std::size_t Size;
  std::size_t Count;
  std::string_view Stored;
};

TEST_F(IniFileTest, KeyNamesAreListedAsTheSystemDoes) {
  constexpr std::string_view kMixed =
      "[ A ]\r\n k1 = 1\r\n;c=1\r\n ;d=2\r\nnoeq\r\n#e=3\r\nk1=2\r\n\r\nk2=\r\n[B]\r\nx=1\r\n";
  constexpr std::string_view kThree = "[B]\r\nkey1=1\r\nkey2=2\r\nkey3=3\r\n";
  const TKeyListCase cases[] = {
      {1, kMixed, "A", 32, 12, "k1\0#e\0k1\0k2\0\0"sv},
      {2, kMixed, "a", 32, 12, "k1\0#e\0k1\0k2\0\0"sv},
      {3, kMixed, " A", 32, 0, "\0"sv},
      {4, kMixed, "Z", 32, 0, "\0"sv},
      {5, "k0=v0\r\n[A]\r\nk1=v1\r\n", "", 32, 3, "k0\0\0"sv},
      {6, kThree, "B", 17, 15, "key1\0key2\0key3\0\0"sv},
      {7, kThree, "B", 16, 14, "key1\0key2\0key3\0"sv},
      {8, kThree, "B", 15, 13, "key1\0key2\0key\0"sv},
      {9, kThree, "B", 12, 10, "key1\0key2\0\0"sv},
      {10, kThree, "B", 2, 0, "\0"sv},
      {11, kThree, "B", 1, 0, "\0"sv},
      {12, kThree, "B", 0, 0, ""},
      {13, "[A]\r\na=1\r\n=v\r\nb=2\r\n=w\r\nc=3\r\n", "A", 32, 8, "a\0\0b\0\0c\0\0"sv},
      {14, "[A]\r\na=1\r\n=v\r\n=w\r\n=x\r\nb=1\r\n", "A", 32, 5, "a\0\0b\0\0"sv},
      {15, "[A]\r\n=v\r\na=1\r\n", "A", 32, 0, "\0"sv},
      {16, "[A]\r\nk=1\r\na\0b=2\r\n"sv, "A", 32, 4, "k\0a\0\0"sv},
      {17, "[A]\rk1=v1\rk2=v2", "A", 32, 6, "k1\0k2\0\0"sv},
  };
  for (const TKeyListCase& c : cases) {
    const std::string file = NewFile(c.File);
    CheckBuffer(
        c.Number, c.Size,
        [&](std::span<char> buffer) { return ProfileReadKeyNames(file, c.Section, buffer); },
        c.Count, c.Stored);
  }
}

struct TSectionListCase {
  int Number;
  std::string_view File;
  std::size_t Size;
  std::size_t Count;
  std::string_view Stored;
};

TEST_F(IniFileTest, SectionNamesAreListedAsTheSystemDoes) {
  constexpr std::string_view kThree = "[Alpha]\r\n[Beta]\r\n[Gamma]\r\n";
  const TSectionListCase cases[] = {
      {1, "k=1\r\n[A]\r\n[]\r\n[ ]\r\n[B]x\r\n ;[C]\r\n [D] \r\n[a]\r\n[E\r\n", 32, 8,
       "A\0B\0D\0a\0\0"sv},
      {2, kThree, 19, 17, "Alpha\0Beta\0Gamma\0\0"sv},
      {3, kThree, 18, 16, "Alpha\0Beta\0Gamma\0"sv},
      {4, kThree, 13, 11, "Alpha\0Beta\0\0"sv},
      {5, kThree, 1, 0, "\0"sv},
      {6, "[B\0C]\r\n\0[D]\r\n"sv, 32, 2, "B\0\0"sv},
      {7, "", 32, 0, "\0"sv},
  };
  for (const TSectionListCase& c : cases) {
    const std::string file = NewFile(c.File);
    CheckBuffer(
        c.Number, c.Size,
        [&](std::span<char> buffer) { return ProfileReadSectionNames(file, buffer); }, c.Count,
        c.Stored);
  }
}

TEST_F(IniFileTest, AMissingFileReadsAsEmpty) {
  const std::string file = NewName();
  CheckBuffer(
      1, 16,
      [&](std::span<char> buffer) { return ProfileReadString(file, "A", "k", "def", buffer); }, 3,
      "def\0"sv);
  CheckBuffer(
      2, 16, [&](std::span<char> buffer) { return ProfileReadKeyNames(file, "A", buffer); }, 0,
      "\0"sv);
  CheckBuffer(
      3, 16, [&](std::span<char> buffer) { return ProfileReadSectionNames(file, buffer); }, 0,
      "\0"sv);
}

struct TWriteCase {
  int Number;
  const char* File;  // nullptr: no file yet
  const char* Section;
  const char* Key;
  const char* Value;
  std::string_view Written;
};

TEST_F(IniFileTest, WritesChangeTheFileAsTheSystemDoes) {
  constexpr const char* kDuplicates = "[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n";
  const TWriteCase cases[] = {
      {1, nullptr, "App", "key", "value", "[App]\r\nkey=value\r\n"},
      {2, "[App]\r\nkey=value\r\n[Other]\r\nk=v\r\n", "App", "key2", "v2",
       "[App]\r\nkey=value\r\nkey2=v2\r\n[Other]\r\nk=v\r\n"},
      {3, "[App]\r\nkey=1\r\nnoeq\r\n;c=1\r\n[Next]\r\n", "App", "added", "v",
       "[App]\r\nkey=1\r\nnoeq\r\n;c=1\r\nadded=v\r\n[Next]\r\n"},
      {4, "[A]\r\nk=1\r\n", "B", "j", "2", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"},
      {5, "[A]\r\nk=1", "B", "j", "2", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"},
      {6, "[A]\r\nk=1", "A", "j", "2", "[A]\r\nk=1\r\nj=2\r\n"},
      {7, "[A]\r\nkey=old\r\n[B]\r\nx=1\r\n", "a", "KEY", "new",
       "[A]\r\nkey=new\r\n[B]\r\nx=1\r\n"},
      {8, kDuplicates, "A", "k", "new", "[A]\r\nk=new\r\nk=2\r\n[a]\r\nk=3\r\n"},
      {9, kDuplicates, "A", "j", "new", "[A]\r\nk=1\r\nk=2\r\nj=new\r\n[a]\r\nk=3\r\n"},
      {10, "[A]\r\nk\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {11, "[A]\r\nk=1\r\n", "", "k", "v", "k=v\r\n[A]\r\nk=1\r\n"},
      {12, "x=0\r\n[A]\r\n", "", "k", "v", "x=0\r\nk=v\r\n[A]\r\n"},
      {13, "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
      {14, "[A]\r\n", "A", "k", "\xE4\xFC\x80", "[A]\r\nk=\xE4\xFC\x80\r\n"},
  };
  for (const TWriteCase& c : cases) {
    SCOPED_TRACE("case " + std::to_string(c.Number));
    const std::string file = c.File ? NewFile(c.File) : NewName();
    EXPECT_TRUE(ProfileWriteString(file, c.Section, c.Key, c.Value));
    EXPECT_EQ(ReadText(file), c.Written);
  }
}

TEST_F(IniFileTest, WrittenValuesReadBackWithoutBlanksAndQuotes) {
  TIniFile ini(NewName());
  ASSERT_TRUE(ini.WriteString(" Spaced ", " key ", "  two words  "));
  ASSERT_TRUE(ini.WriteString("Quoted", "key", "\" kept blanks \""));
  EXPECT_EQ(ini.ReadString("spaced", "KEY", "def"), "two words");
  EXPECT_EQ(ini.ReadString("quoted", "key", "def"), " kept blanks ");
}

TEST_F(IniFileTest, AWriteIntoAMissingDirectoryFails) {
  TIniFile ini((std::filesystem::path(directory_.Path("missing")) / "settings.ini").string());
  EXPECT_FALSE(ini.WriteString("Common", "Language", "Englisch"));
  EXPECT_EQ(ini.ReadString("Common", "Language", "Deutsch"), "Deutsch");
}

TEST_F(IniFileTest, ReadsWhatItWrote) {
  const std::string name = NewName();
  TIniFile ini(name);
  EXPECT_EQ(ini.FileName(), name);
  EXPECT_EQ(ini.ReadString("Common", "Language", "Deutsch"), "Deutsch");
  ASSERT_TRUE(ini.WriteString("Common", "Language", "Englisch"));
  EXPECT_EQ(ini.ReadString("Common", "Language", "Deutsch"), "Englisch");
  ASSERT_TRUE(ini.WriteString("Common", "Language", "Deutsch"));
  EXPECT_EQ(ReadText(name), "[Common]\r\nLanguage=Deutsch\r\n");
}

TEST_F(IniFileTest, ListsAreClearedBeforeTheyAreFilled) {
  TIniFile ini(NewFile("[Deutsch]\r\nForm1.Caption=Titel\r\nnoeq\r\n[Englisch]\r\nA.B=x\r\n"));
  TStringList list;
  list.Add("stale");
  ini.ReadSection("deutsch", list);
  EXPECT_EQ(Lines(list), std::vector<std::string>{"Form1.Caption"});
  ini.ReadSection("Missing", list);
  EXPECT_EQ(list.Count(), 0);
  list.Add("stale");
  ini.ReadSections(list);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"Deutsch", "Englisch"}));

  TIniFile missing(NewName());
  missing.ReadSections(list);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(IniFileTest, ValuesAndListsAreCutToTheirBuffers) {
  std::string keys = "[Keys]\r\n";
  std::string sections;
  for (int i = 0; i < 1500; ++i) {
    const std::string name =
        "key" + std::string(4 - std::to_string(i).size(), '0') + std::to_string(i);
    keys += name + "=1\r\n";
    sections += "[" + name + "]\r\n";
  }
  // 1,023 names of seven characters and their NULs fill 8,184 bytes, and six bytes of the next
  // name and a NUL fill the buffer but for its last byte.
  TStringList list;
  TIniFile(NewFile(keys)).ReadSection("Keys", list);
  ASSERT_EQ(list.Count(), 1024);
  EXPECT_EQ(list.Strings(1022), "key1022");
  EXPECT_EQ(list.Strings(1023), "key102");
  TIniFile(NewFile(sections)).ReadSections(list);
  ASSERT_EQ(list.Count(), 1024);
  EXPECT_EQ(list.Strings(1023), "key102");

  const std::string value(100000, 'x');
  TIniFile ini(NewFile("[A]\r\nlong=" + value + "\r\nnext=1\r\n"));
  EXPECT_EQ(ini.ReadString("A", "long", ""), value.substr(0, 1023));
  EXPECT_EQ(ini.ReadString("A", "next", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "missing", value.substr(0, 2000)), value.substr(0, 1023));
}

TEST_F(IniFileTest, WrittenNamesAreCutTo255Characters) {
  const std::string section(300, 's');
  const std::string key(300, 'k');
  const std::string name = NewName();
  ASSERT_TRUE(TIniFile(name).WriteString(section, key, "v"));
  EXPECT_EQ(ReadText(name), "[" + section.substr(0, 255) + "]\r\n" + key.substr(0, 255) + "=v\r\n");

  const std::string longName = directory_.Path(std::string(250, 'f'));
  ASSERT_GT(longName.size(), 255u);
  ASSERT_TRUE(TIniFile(longName).WriteString("A", "k", "v"));
  EXPECT_EQ(ReadText(longName.substr(0, 255)), "[A]\r\nk=v\r\n");
}

}  // namespace
}  // namespace qp
