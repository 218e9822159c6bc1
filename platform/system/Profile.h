#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace qp {

// The system's profile (INI) file functions. Windows runs its own; elsewhere the platform reads
// and writes the files the same way (see IniText.h), but a changed value is written into the file
// as it stands, where the Windows functions may rewrite the whole file. A file name without a
// directory part names a file in the Windows directory on Windows and in the current directory
// elsewhere. Every text ends at its first NUL, as it does for the system. A missing file reads as
// one without sections.

// Copies the value of key in section into buffer, or defaultValue when the file, section or key
// is missing (see CopyProfileValue and CopyProfileDefault). Returns the characters copied.
std::size_t ProfileReadString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::span<char> buffer);
// Lists the key names of section into buffer (see CopyProfileList).
std::size_t ProfileReadKeyNames(const std::string& fileName, const std::string& section,
                                std::span<char> buffer);
// Lists the section names into buffer (see CopyProfileList).
std::size_t ProfileReadSectionNames(const std::string& fileName, std::span<char> buffer);

// Sets key in section to value, creating the file, the section or the key as needed. False when
// the file cannot be read or written.
bool ProfileWriteString(const std::string& fileName, const std::string& section,
                        const std::string& key, const std::string& value);

}  // namespace qp
