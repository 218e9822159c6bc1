#include "platform/system/IniText.h"

#include <algorithm>
#include <utility>

#include "platform/system/Strings.h"

namespace qp {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The blanks of the profile functions: Ctrl-Z counts, the other control characters do not.
constexpr std::string_view kBlanks{" \t\v\f\x1A"};

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view UpToNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string_view Clean(std::string_view text) {
  return TrimBlanks(UpToNul(text));
}

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

}  // namespace

IniText::IniText(std::string text) : text_(std::move(text)) {
  Parse();
}

void IniText::Parse() {
  sections_.clear();
  const std::string_view text = text_;
  std::size_t begin = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  sections_.push_back({.Tail = begin});
  while (begin < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
    std::size_t next = end;
    if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
    const std::string_view line = TrimBlanks(text.substr(begin, end - begin));
    const std::size_t close = line.rfind(']');
    if (line.starts_with('[') && close != std::string_view::npos) {
      sections_.push_back({.Name = Clean(line.substr(1, close - 1))});
    } else if (!line.empty()) {
      const std::size_t equals = line.find('=');
      Entry entry{.Name = Clean(line.substr(0, equals)), .Begin = begin, .End = end};
      if (equals != std::string_view::npos) entry.Value = Clean(line.substr(equals + 1));
      sections_.back().Entries.push_back(entry);
    }
    if (!line.empty()) {
      sections_.back().Tail = next;
      sections_.back().TailEndsLine = next > end;
    }
    begin = next;
  }
}

const IniText::Section* IniText::Find(std::string_view name) const {
  const auto found = std::find_if(sections_.begin(), sections_.end(),
                                  [name](const Section& s) { return SameText(s.Name, name); });
  return found == sections_.end() ? nullptr : &*found;
}

std::optional<std::string_view> IniText::Value(std::string_view section,
                                               std::string_view key) const {
  const Section* found = Find(TrimBlanks(section));
  if (!found) return std::nullopt;
  key = TrimBlanks(key);
  for (const Entry& entry : found->Entries) {
    if (SameText(entry.Name, key)) return entry.Value;
  }
  return std::nullopt;
}

std::vector<std::string_view> IniText::KeyNames(std::string_view section) const {
  std::vector<std::string_view> names;
  if (const Section* found = Find(section)) {
    for (const Entry& entry : found->Entries) {
      if (entry.Value && !entry.Name.starts_with(';')) names.push_back(entry.Name);
    }
  }
  return names;
}

std::vector<std::string_view> IniText::SectionNames() const {
  std::vector<std::string_view> names;
  for (const Section& section : sections_) {
    if (!section.Name.empty()) names.push_back(section.Name);
  }
  return names;
}

void IniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  const std::string assignment = "=" + std::string(TrimBlanks(value));
  const Section* found = Find(section);
  if (!found) {
    const bool endsLine = text_.empty() || text_.ends_with('\r') || text_.ends_with('\n');
    Insert(text_.size(), !endsLine,
           "[" + std::string(section) + "]\r\n" + std::string(key) + assignment);
    return;
  }
  const auto existing =
      std::find_if(found->Entries.begin(), found->Entries.end(),
                   [key](const Entry& entry) { return SameText(entry.Name, key); });
  if (existing != found->Entries.end()) {
    Replace(existing->Begin, existing->End, std::string(existing->Name) + assignment);
  } else {
    Insert(found->Tail, !found->TailEndsLine, std::string(key) + assignment);
  }
}

void IniText::Replace(std::size_t begin, std::size_t end, std::string_view with) {
  text_.replace(begin, end - begin, with);
  Parse();
}

void IniText::Insert(std::size_t at, bool endLineBefore, std::string_view lines) {
  Replace(at, at, (endLineBefore ? "\r\n" : "") + std::string(lines) + "\r\n");
}

std::size_t CopyProfileValue(std::string_view value, std::span<char> buffer) {
  if (buffer.empty()) return 0;
  const bool quoted = value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
  // Without its opening quote, a quoted value still ends with the closing one.
  const std::string_view text = quoted ? value.substr(1) : value;
  std::size_t count = std::min(text.size(), buffer.size() - 1);
  if (quoted && buffer.size() >= text.size() && count > 0) --count;
  std::copy_n(text.begin(), count, buffer.begin());
  buffer[count] = '\0';
  return count;
}

std::size_t CopyProfileDefault(std::string_view value, std::span<char> buffer) {
  const std::size_t last = value.find_last_not_of(' ');
  const std::size_t kept =
      last == std::string_view::npos ? std::min<std::size_t>(value.size(), 1) : last + 1;
  return CopyProfileValue(value.substr(0, kept), buffer);
}

std::size_t CopyProfileList(const std::vector<std::string_view>& names, std::span<char> buffer) {
  std::string packed;
  bool afterEmpty = false;
  for (const std::string_view name : names) {
    if (name.empty()) {
      if (packed.empty()) break;
      if (afterEmpty) continue;
    }
    packed.append(name).push_back('\0');
    afterEmpty = name.empty();
  }
  if (buffer.empty()) return 0;
  if (packed.size() + 2 <= buffer.size()) {
    std::copy(packed.begin(), packed.end(), buffer.begin());
    buffer[packed.size()] = '\0';
    return packed.size();
  }
  if (buffer.size() == 1) {
    buffer[0] = '\0';
    return 0;
  }
  std::copy_n(packed.begin(), buffer.size() - 1, buffer.begin());
  buffer[buffer.size() - 2] = '\0';
  return buffer.size() - 2;
}

}  // namespace qp
