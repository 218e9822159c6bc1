#include "platform/core/Stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/FileStream.h"
#include "platform/core/HandleStream.h"
#include "platform/core/MemoryStream.h"
#include "tests/platform/TemporaryDirectory.h"

namespace qp {
namespace {

// All of a stream, leaving its position at the end.
std::string Contents(TStream& stream) {
  std::string text(static_cast<std::size_t>(stream.GetSize()), '?');
  stream.SetPosition(0);
  stream.ReadBuffer(text.data(), text.size());
  return text;
}

std::unique_ptr<TMemoryStream> MemoryWith(const std::string& text) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(text.data(), text.size());
  stream->SetPosition(0);
  return stream;
}

enum class Kind { Memory, File };

// What every stream does alike, checked on a memory stream and on a file stream.
class StreamBehaviour : public ::testing::TestWithParam<Kind> {
 protected:
  std::unique_ptr<TStream> StreamWith(const std::string& text) {
    if (GetParam() == Kind::Memory) return MemoryWith(text);
    WriteFileText(directory_.Path("data.bin"), text);
    return std::make_unique<TFileStream>(directory_.Path("data.bin"),
                                         fmOpenReadWrite | fmShareExclusive);
  }

  TemporaryDirectory directory_;
};

INSTANTIATE_TEST_SUITE_P(Streams, StreamBehaviour, ::testing::Values(Kind::Memory, Kind::File),
                         [](const auto& info) {
                           return info.param == Kind::Memory ? "Memory" : "File";
                         });

TEST_P(StreamBehaviour, ReadsWhatThereIsAndReadBufferInsistsOnAll) {
  const auto stream = StreamWith("0123456789");
  char buffer[16] = {};
  EXPECT_EQ(stream->Read(buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  stream->SetPosition(8);
  EXPECT_EQ(stream->Read(buffer, sizeof buffer), 2u);
  EXPECT_EQ(std::string(buffer, 2), "89");
  EXPECT_EQ(stream->Read(buffer, sizeof buffer), 0u);

  stream->SetPosition(8);
  EXPECT_THROW(stream->ReadBuffer(buffer, 3), EReadError);
  stream->SetPosition(8);
  EXPECT_NO_THROW(stream->ReadBuffer(buffer, 2));
}

TEST_P(StreamBehaviour, SeeksFromEachOrigin) {
  const struct {
    TSeekOrigin origin;
    std::int64_t offset;
    std::int64_t result;
    std::int64_t position;
  } cases[] = {
      {TSeekOrigin::soBeginning, 3, 3, 3}, {TSeekOrigin::soCurrent, 2, 6, 6},
      {TSeekOrigin::soCurrent, -4, 0, 0},  {TSeekOrigin::soEnd, -1, 9, 9},
      {TSeekOrigin::soEnd, 5, 15, 15},     {TSeekOrigin::soBeginning, -1, -1, 4},
      {TSeekOrigin::soEnd, -11, -1, 4},
  };
  const auto stream = StreamWith("0123456789");
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    stream->SetPosition(4);
    EXPECT_EQ(stream->Seek(c.offset, c.origin), c.result);
    EXPECT_EQ(stream->GetPosition(), c.position);
  }
  EXPECT_EQ(stream->GetSize(), 10) << "seeking past the end does not grow the stream";
}

TEST_P(StreamBehaviour, SetSizeCutsExtendsAndPullsThePositionIn) {
  const auto stream = StreamWith("0123456789");
  stream->SetPosition(8);
  stream->SetSize(5);
  EXPECT_EQ(stream->GetSize(), 5);
  EXPECT_EQ(stream->GetPosition(), 5);
  stream->SetPosition(2);
  stream->SetSize(7);
  EXPECT_EQ(stream->GetPosition(), 2);
  EXPECT_EQ(Contents(*stream), std::string("01234\0\0", 7));
}

TEST_P(StreamBehaviour, WriteBufferOverwritesAndExtends) {
  const auto stream = StreamWith("0123456789");
  stream->SetPosition(8);
  stream->WriteBuffer("abcd", 4);
  EXPECT_EQ(stream->GetPosition(), 12);
  EXPECT_EQ(Contents(*stream), "01234567abcd");
}

TEST_P(StreamBehaviour, CopyFromTakesCountBytesOrAllOfTheSource) {
  const auto stream = StreamWith("0123456789");
  stream->SetPosition(10);
  const auto source = MemoryWith("hello world");
  source->SetPosition(6);
  EXPECT_EQ(stream->CopyFrom(*source, 5), 5);
  EXPECT_EQ(Contents(*stream), "0123456789world");

  TMemoryStream copy;
  EXPECT_EQ(copy.CopyFrom(*stream, 0), 15);
  EXPECT_EQ(Contents(copy), "0123456789world");

  stream->SetPosition(12);
  EXPECT_THROW(copy.CopyFrom(*stream, 4), EReadError);
}

TEST(MemoryStream, HugeCountsMoveOnlyWhatThereIs) {
  const auto stream = MemoryWith("0123456789");
  char buffer[16];
  EXPECT_EQ(stream->Read(buffer, std::size_t{0x80000000}), 10u);

  stream->SetPosition(0);
  TMemoryStream copy;
  EXPECT_THROW(copy.CopyFrom(*stream, std::int64_t{1} << 40), EReadError);
}

TEST(MemoryStream, GrowsOverGapsAndClears) {
  TMemoryStream stream;
  EXPECT_EQ(stream.Seek(3, TSeekOrigin::soBeginning), 3);
  stream.WriteBuffer("x", 1);
  EXPECT_EQ(stream.GetSize(), 4);
  EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), 4), std::string("\0\0\0x", 4));

  stream.Clear();
  EXPECT_EQ(stream.GetSize(), 0);
  EXPECT_EQ(stream.GetPosition(), 0);
  EXPECT_THROW(stream.SetSize(-1), EWriteError);
}

TEST(MemoryStream, LoadsAndSavesStreamsAndFiles) {
  TemporaryDirectory directory;
  const std::string file = directory.Path("saved.bin");
  const std::string data("bytes\0\xFF", 7);
  MemoryWith(data)->SaveToFile(file);
  EXPECT_EQ(ReadFileText(file), data);

  TMemoryStream loaded;
  loaded.WriteBuffer("longer old contents", 19);
  loaded.LoadFromFile(file);
  EXPECT_EQ(Contents(loaded), data);

  const auto source = MemoryWith("from a stream");
  source->SetPosition(5);
  loaded.LoadFromStream(*source);
  EXPECT_EQ(Contents(loaded), "from a stream");

  TMemoryStream saved;
  saved.WriteBuffer("head:", 5);
  loaded.SaveToStream(saved);
  EXPECT_EQ(Contents(saved), "head:from a stream");

  EXPECT_THROW(loaded.LoadFromFile(directory.Path("missing.bin")), EFOpenError);
}

TEST(HandleStream, LeavesItsHandleOpen) {
  TemporaryDirectory directory;
  const std::string file = directory.Path("data.bin");
  WriteFileText(file, "0123456789");
  const auto opened = FileOpen(file, TFileAccess::Read, TFileShare::DenyNone);
  ASSERT_EQ(opened.Error, FileError::Success);
  {
    THandleStream stream(opened.Handle);
    EXPECT_EQ(stream.Handle(), opened.Handle);
    EXPECT_EQ(Contents(stream), "0123456789");
  }
  char buffer[4];
  EXPECT_EQ(FileSeek(opened.Handle, 0, TSeekOrigin::soBeginning).Error, FileError::Success);
  EXPECT_EQ(FileRead(opened.Handle, buffer, sizeof buffer).Count, 4u);
  EXPECT_EQ(FileClose(opened.Handle), FileError::Success);
}

class FileStreamTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileText(file_, "0123456789"); }

  TemporaryDirectory directory_;
  const std::string file_ = directory_.Path("data.bin");
};

TEST_F(FileStreamTest, RefusalsNameTheFileAndTheCode) {
  const struct {
    const char* name;
    std::uint32_t mode;
    const char* failure;
  } cases[] = {
      {"missing.bin", fmOpenRead | fmShareDenyWrite,
       "kann nicht ge\xF6"
       "ffnet werden (Fehler 2)"},
      {"missing-dir/new.bin", fmCreate, "kann nicht erstellt werden (Fehler 3)"},
      {"data.bin", fmOpenRead | 0x0003,
       "kann nicht ge\xF6"
       "ffnet werden (Fehler 87)"},
      {"data.bin", fmOpenRead | 0x0050,
       "kann nicht ge\xF6"
       "ffnet werden (Fehler 87)"},
      {"data.bin", 0x0100,
       "kann nicht ge\xF6"
       "ffnet werden (Fehler 87)"},
  };
  for (const auto& c : cases) {
    const std::string name = directory_.Path(c.name);
    try {
      TFileStream stream(name, c.mode);
      ADD_FAILURE() << "opened " << c.name;
    } catch (const EFOpenError& error) {
      EXPECT_EQ(error.what(), "Datei \"" + name + "\" " + c.failure);
    }
  }
}

TEST_F(FileStreamTest, SharingModesHoldUntilTheStreamIsDestroyed) {
  {
    TFileStream reader(file_, fmOpenRead | fmShareDenyWrite);
    EXPECT_THROW(TFileStream(file_, fmCreate), EFOpenError);
    EXPECT_THROW(TFileStream(file_, fmOpenWrite | fmShareDenyNone), EFOpenError);
    TFileStream other(file_, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(Contents(other), "0123456789");
  }
  TFileStream writer(file_, fmCreate);
  EXPECT_EQ(writer.FileName(), file_);
  EXPECT_EQ(writer.GetSize(), 0);
}

TEST_F(FileStreamTest, OpenWriteKeepsTheContentsAndOpenReadRefusesWrites) {
  {
    TFileStream writer(file_, fmOpenWrite | fmShareDenyWrite);
    writer.WriteBuffer("AB", 2);
  }
  EXPECT_EQ(ReadFileText(file_), "AB23456789");

  TFileStream reader(file_, fmOpenRead | fmShareDenyNone);
  EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
  EXPECT_THROW(reader.SetSize(2), EWriteError);
  EXPECT_EQ(Contents(reader), "AB23456789");
}

TEST(StreamClasses, DescendFromTheirAncestors) {
  TMemoryStream memory;
  EXPECT_EQ(memory.ClassName(), "TMemoryStream");
  EXPECT_TRUE(memory.Is<TStream>());
  EXPECT_FALSE(memory.Is<THandleStream>());

  TemporaryDirectory directory;
  TFileStream file(directory.Path("new.bin"), fmCreate);
  EXPECT_EQ(file.ClassName(), "TFileStream");
  EXPECT_TRUE(file.Is<THandleStream>());
  EXPECT_TRUE(file.Is<TStream>());
}

}  // namespace
}  // namespace qp
