#include "platform/system/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "platform/system/Strings.h"
#include "tests/platform/TemporaryDirectory.h"

namespace qp {
namespace {

using namespace FileError;

// The code of an open, closing what it opened.
int CodeOf(const THandleResult& opened) {
  if (opened.Error == Success) {
    EXPECT_EQ(FileClose(opened.Handle), Success);
  }
  return opened.Error;
}

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileText(file_, "0123456789");
    std::filesystem::create_directory(directory_.Path("sub"));
  }

  TemporaryDirectory directory_;
  const std::string file_ = directory_.Path("file.txt");
};

TEST_F(FilesTest, NameCallsReportTheClassicCodes) {
  using Call = int (*)(const std::string&);
  const Call openRead = [](const std::string& name) {
    return CodeOf(FileOpen(name, TFileAccess::Read, TFileShare::DenyNone));
  };
  const Call openDenyWrite = [](const std::string& name) {
    return CodeOf(FileOpen(name, TFileAccess::Read, TFileShare::DenyWrite));
  };
  const Call create = [](const std::string& name) {
    return CodeOf(FileCreate(name, TFileAccess::Write, TFileShare::DenyNone));
  };
  const Call createReadOnly = [](const std::string& name) {
    return CodeOf(FileCreate(name, TFileAccess::Read, TFileShare::DenyNone));
  };
  const Call remove = [](const std::string& name) { return FileDelete(name); };
  const Call exists = [](const std::string& name) { return FileCheckExists(name); };
  const struct {
    const char* what;
    Call call;
    const char* name;
    int expected;
  } cases[] = {
      {"open", openRead, "file.txt", Success},
      {"open", openRead, "missing.txt", FileNotFound},
      {"open", openRead, "missing-dir/file.txt", PathNotFound},
      {"open", openRead, "file.txt/inner.txt", PathNotFound},
      {"open", openRead, "sub", AccessDenied},
      {"open deny-write", openDenyWrite, "missing.txt", FileNotFound},
      {"create", create, "new.txt", Success},
      {"create", create, "missing-dir/new.txt", PathNotFound},
      {"create", create, "sub", AccessDenied},
      {"create read-only", createReadOnly, "other.txt", InvalidParameter},
      {"delete", remove, "missing.txt", FileNotFound},
      {"delete", remove, "missing-dir/file.txt", PathNotFound},
      {"delete", remove, "sub", AccessDenied},
      {"delete", remove, "new.txt", Success},
      {"exists", exists, "file.txt", Success},
      {"exists", exists, "missing.txt", FileNotFound},
      {"exists", exists, "missing-dir/file.txt", PathNotFound},
      {"exists", exists, "new.txt", FileNotFound},
      {"exists", exists, "sub", AccessDenied},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.call(directory_.Path(c.name)), c.expected) << c.what << " " << c.name;
  }
  EXPECT_EQ(FileCheckExists(directory_.Path("other.txt")), FileNotFound);
}

TEST_F(FilesTest, WritesReadsAndSeeks) {
  const auto created = FileCreate(file_, TFileAccess::ReadWrite, TFileShare::Exclusive);
  ASSERT_EQ(created.Error, Success);
  const THandle handle = created.Handle;
  EXPECT_EQ(FileSeek(handle, 0, TSeekOrigin::soEnd).Position, 0) << "create truncates";

  const auto written = FileWrite(handle, "hello", 5);
  EXPECT_EQ(written.Count, 5u);
  EXPECT_EQ(written.Error, Success);
  EXPECT_EQ(FileSeek(handle, -4, TSeekOrigin::soCurrent).Position, 1);

  char buffer[16] = {};
  const auto read = FileRead(handle, buffer, sizeof buffer);
  EXPECT_EQ(read.Count, 4u);
  EXPECT_EQ(read.Error, Success);
  EXPECT_EQ(std::string(buffer, 4), "ello");
  const auto atEnd = FileRead(handle, buffer, sizeof buffer);
  EXPECT_EQ(atEnd.Count, 0u);
  EXPECT_EQ(atEnd.Error, Success);

  const auto beforeStart = FileSeek(handle, -1, TSeekOrigin::soBeginning);
  EXPECT_EQ(beforeStart.Position, -1);
  EXPECT_EQ(beforeStart.Error, NegativeSeek);
  EXPECT_EQ(FileSeek(handle, 0, TSeekOrigin::soCurrent).Position, 5) << "a refused seek stays";

  EXPECT_EQ(FileClose(handle), Success);
  EXPECT_EQ(ReadFileText(file_), "hello");
}

TEST_F(FilesTest, SetSizeCutsAndExtendsWithoutMovingThePosition) {
  const auto opened = FileOpen(file_, TFileAccess::ReadWrite, TFileShare::DenyNone);
  ASSERT_EQ(opened.Error, Success);
  EXPECT_EQ(FileSeek(opened.Handle, 6, TSeekOrigin::soBeginning).Position, 6);
  EXPECT_EQ(FileSetSize(opened.Handle, 4), Success);
  EXPECT_EQ(FileSeek(opened.Handle, 0, TSeekOrigin::soCurrent).Position, 6);
  EXPECT_EQ(FileSetSize(opened.Handle, 7), Success);
  EXPECT_EQ(FileSetSize(opened.Handle, -1), InvalidParameter);
  EXPECT_EQ(FileClose(opened.Handle), Success);
  EXPECT_EQ(ReadFileText(file_), std::string("0123\0\0\0", 7));
}

TEST_F(FilesTest, HandleCallsRefuseBadHandlesAndMissingAccess) {
  char buffer[4];
  EXPECT_EQ(FileRead(InvalidHandle, buffer, sizeof buffer).Error, BadHandle);
  EXPECT_EQ(FileWrite(InvalidHandle, "x", 1).Error, BadHandle);
  EXPECT_EQ(FileSeek(InvalidHandle, 0, TSeekOrigin::soBeginning).Error, BadHandle);
  EXPECT_EQ(FileClose(InvalidHandle), BadHandle);

  const auto reader = FileOpen(file_, TFileAccess::Read, TFileShare::DenyNone);
  const auto writer = FileOpen(file_, TFileAccess::Write, TFileShare::DenyNone);
  ASSERT_EQ(reader.Error, Success);
  ASSERT_EQ(writer.Error, Success);
  const auto written = FileWrite(reader.Handle, "x", 1);
  EXPECT_EQ(written.Count, 0u);
  EXPECT_EQ(written.Error, AccessDenied);
  // Windows says 5 here, Wine 87.
  EXPECT_NE(FileSetSize(reader.Handle, 2), Success);
  EXPECT_EQ(FileRead(writer.Handle, buffer, sizeof buffer).Error, AccessDenied);
  EXPECT_EQ(FileClose(reader.Handle), Success);
  EXPECT_EQ(FileClose(writer.Handle), Success);
  EXPECT_EQ(ReadFileText(file_), "0123456789");
}

// Only conflicts that both systems detect: an open that denies something meets a later open.
TEST_F(FilesTest, SharingModesKeepOtherOpensOut) {
  using enum TFileAccess;
  using enum TFileShare;
  const struct {
    TFileAccess firstAccess;
    TFileShare firstShare;
    bool secondCreates;
    TFileAccess secondAccess;
    TFileShare secondShare;
    int expected;
  } cases[] = {
      {Read, DenyWrite, false, Write, DenyNone, SharingViolation},
      {Read, DenyWrite, true, Write, DenyNone, SharingViolation},
      {Read, DenyWrite, false, ReadWrite, DenyWrite, SharingViolation},
      {Read, DenyWrite, false, Read, DenyWrite, Success},
      {Read, DenyWrite, false, Read, DenyNone, Success},
      {ReadWrite, Exclusive, false, Read, DenyNone, SharingViolation},
      {Write, Exclusive, false, Read, DenyWrite, SharingViolation},
      {Read, DenyNone, false, ReadWrite, DenyNone, Success},
      {ReadWrite, DenyNone, true, Write, DenyNone, Success},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteFileText(file_, "0123456789");
    const auto first = FileOpen(file_, c.firstAccess, c.firstShare);
    ASSERT_EQ(first.Error, Success);
    const auto second = [&] {
      return c.secondCreates ? FileCreate(file_, c.secondAccess, c.secondShare)
                             : FileOpen(file_, c.secondAccess, c.secondShare);
    };
    EXPECT_EQ(CodeOf(second()), c.expected);
    EXPECT_EQ(FileClose(first.Handle), Success);
    if (c.expected != Success) {
      EXPECT_EQ(ReadFileText(file_), "0123456789") << "a refused open leaves the file alone";
      EXPECT_EQ(CodeOf(second()), Success) << "closing ends the refusal";
    }
  }
}

TEST_F(FilesTest, FileAgeIsThePackedLocalTimeOfTheLastWrite) {
  std::tm local{};
  local.tm_year = 2021 - 1900;
  local.tm_mon = 6 - 1;
  local.tm_mday = 15;
  local.tm_hour = 13;
  local.tm_min = 45;
  local.tm_sec = 31;
  local.tm_isdst = -1;
  const auto written = std::chrono::system_clock::from_time_t(std::mktime(&local));
  std::filesystem::last_write_time(file_, std::chrono::file_clock::from_sys(written));

  constexpr std::int32_t expected =
      (41 << 25) | (6 << 21) | (15 << 16) | (13 << 11) | (45 << 5) | 15;
  EXPECT_EQ(FileAge(file_), expected);
  EXPECT_EQ(FileAge(directory_.Path("missing.txt")), -1);
  EXPECT_EQ(FileAge(directory_.Path("sub")), -1);
}

TEST_F(FilesTest, TempDirectoryIsADirectoryEndingInADelimiter) {
  const std::string directory = TempDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(ExtractFilePath(directory), directory);
  EXPECT_TRUE(std::filesystem::is_directory(directory));
}

TEST_F(FilesTest, CreateTempFileMakesANewFileOfAUniqueName) {
  const auto first = CreateTempFile(directory_.Path(), "TMPX");
  const auto second = CreateTempFile(directory_.Path(), "TMPX");
  ASSERT_EQ(first.Error, Success);
  ASSERT_EQ(second.Error, Success);
  EXPECT_NE(first.Name, second.Name);
  for (const auto& created : {first, second}) {
    EXPECT_EQ(ExtractFilePath(created.Name), directory_.Path("")) << created.Name;
    EXPECT_EQ(ExtractFileName(created.Name).substr(0, 3), "TMP") << created.Name;
    EXPECT_EQ(UpperCase(ExtractFileExt(created.Name)), ".TMP") << created.Name;
    EXPECT_EQ(FileCheckExists(created.Name), Success) << created.Name;
  }

  const auto inMissing = CreateTempFile(directory_.Path("missing-dir"), "TMP");
  EXPECT_EQ(inMissing.Error, InvalidDirectory);
  EXPECT_EQ(inMissing.Name, "");
}

TEST(FileNames, SplitAtTheLastDelimiter) {
  const struct {
    const char* name;
    const char* extension;
    const char* path;
    const char* fileName;
  } cases[] = {
      {"C:\\dir\\file.txt", ".txt", "C:\\dir\\", "file.txt"},
      {"/home/user/archive.tar.gz", ".gz", "/home/user/", "archive.tar.gz"},
      {"dir.d/file", "", "dir.d/", "file"},
      {"dir.d\\sub/file.ini", ".ini", "dir.d\\sub/", "file.ini"},
      {"C:file.ini", ".ini", "C:", "file.ini"},
      {"C:\\", "", "C:\\", ""},
      {"dir/.hidden", ".hidden", "dir/", ".hidden"},
      {"file.", ".", "", "file."},
      {"noext", "", "", "noext"},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileExt(c.name), c.extension) << c.name;
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.fileName) << c.name;
  }
}

TEST(ProgramFileName, NamesTheRunningProgram) {
  const std::string program = ProgramFileName();
  EXPECT_EQ(FileCheckExists(program), Success) << program;
  EXPECT_NE(ExtractFileName(program).find("platform_tests"), std::string::npos) << program;
}

}  // namespace
}  // namespace qp
