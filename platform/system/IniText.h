#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// The bytes of a profile (INI) file, read the way the system's profile functions read them.
// Lines end at CR, LF or CR LF. A line "[name]" (up to its last "]") starts a section; the lines
// before the first one form a section with the empty name. A line "key=value" is an entry; a line
// without "=" is kept but is no entry. Blanks around names and values do not count, a NUL byte ends
// a name or value, and names are compared without regard to ASCII letter case. The first of
// duplicate sections or keys is the one that counts. A leading UTF-8 byte order mark is skipped.
class IniText {
 public:
  explicit IniText(std::string text);
  // The names and values found are views into the text, which a copy or move would leave behind.
  IniText(const IniText&) = delete;
  IniText& operator=(const IniText&) = delete;

  const std::string& Text() const { return text_; }

  // The value of key in section, blanks removed and quotes kept; nothing when section or key is
  // missing. Blanks around section and key do not count.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
  // The key names of section in file order, comments (";") left out. The section name is taken as
  // it is: blanks around it make it another name.
  std::vector<std::string_view> KeyNames(std::string_view section) const;
  // The section names in file order, duplicates included, nameless sections left out.
  std::vector<std::string_view> SectionNames() const;

  // Sets key in section to value, replacing the first such entry, else adding one after the last
  // line of the section, else adding the section at the end. Every other byte stays as it was;
  // new lines end with CR LF.
  void Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Entry {
    std::string_view Name{};
    std::optional<std::string_view> Value{};  // nothing for a line without "="
    std::size_t Begin = 0;                    // the line's first byte
    std::size_t End = 0;                      // the byte after its text, before its line end
  };
  struct Section {
    std::string_view Name{};
    std::vector<Entry> Entries{};
    // Where a new entry goes: behind the section's last line that is not blank.
    std::size_t Tail = 0;
    bool TailEndsLine = true;
  };

  void Parse();
  const Section* Find(std::string_view name) const;
  void Replace(std::size_t begin, std::size_t end, std::string_view with);
  // Inserts lines ended by CR LF, first ending the line before them when it has no line end.
  void Insert(std::size_t at, bool endLineBefore, std::string_view lines);

  std::string text_;
  std::vector<Section> sections_;
};

// The buffer conventions of the profile functions. Each returns the number of characters it
// stored before the final NUL and never writes past the buffer; an empty buffer stays untouched.

// A value cut to fit. A pair of matching quotes (" or ') around the whole value is removed; when
// the buffer is just too small for the value without its opening quote, the system's functions
// lose one more character, and so do these.
std::size_t CopyProfileValue(std::string_view value, std::span<char> buffer);
// A default value loses its trailing spaces (but for the first character) and is then copied like
// a value.
std::size_t CopyProfileDefault(std::string_view value, std::span<char> buffer);
// Names, each ended by a NUL, and a NUL after the last. An empty first name ends the list, and a
// run of empty names leaves a single NUL. A list that does not fit is cut to the buffer size
// less one, ends with a NUL and answers the buffer size less two.
std::size_t CopyProfileList(const std::vector<std::string_view>& names, std::span<char> buffer);

}  // namespace qp
