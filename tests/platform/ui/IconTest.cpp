#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/backends/headless/Graphics.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/Font.h"
#include "platform/ui/Icon.h"
#include "platform/ui/IconFile.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/IconFiles.h"

namespace qp {
namespace {

using TBytes = std::vector<std::uint8_t>;

const TBytes& Standard16ColorIcon() {
  static const TBytes file = IconFileOf({BitmapIconImage(32, 4)});
  return file;
}

TBytes Saved(const TIcon& icon) {
  TMemoryStream stream;
  icon.SaveToStream(stream);
  const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
  return TBytes(bytes, bytes + stream.GetSize());
}

void Load(TIcon& icon, const TBytes& data, std::int64_t position = 0) {
  TMemoryStream stream;
  stream.WriteBuffer(data.data(), data.size());
  stream.SetPosition(position);
  icon.LoadFromStream(stream);
}

TEST(Icon, StartsEmptyWithoutHandle) {
  TIcon icon;
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 0);
  EXPECT_EQ(icon.Height(), 0);
  EXPECT_EQ(icon.Handle(), 0u);
  EXPECT_FALSE(icon.HandleAllocated());
  EXPECT_TRUE(Saved(icon).empty());
}

TEST(Icon, A32By32SixteenColourIconIs766Bytes) {
  TIcon icon;
  Load(icon, Standard16ColorIcon());
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  const TBytes saved = Saved(icon);
  EXPECT_EQ(saved.size(), 766u);
  EXPECT_EQ(saved, Standard16ColorIcon());
}

TEST(Icon, TakesEveryByteFromThePositionOn) {
  TBytes data = {'x', 'y', 'z'};
  data.insert(data.end(), Standard16ColorIcon().begin(), Standard16ColorIcon().end());
  data.insert(data.end(), {1, 2, 3, 4});
  TMemoryStream stream;
  stream.WriteBuffer(data.data(), data.size());
  stream.SetPosition(3);
  TIcon icon;
  icon.LoadFromStream(stream);
  EXPECT_EQ(stream.GetPosition(), static_cast<std::int64_t>(data.size()));
  // Bytes that no directory entry refers to are not part of the icon.
  EXPECT_EQ(Saved(icon), Standard16ColorIcon());
}

TEST(Icon, SavesInTheStandardLayout) {
  // Type 0, a gap before the first image and the images in reverse order of the directory.
  const TTestIconImage small = BitmapIconImage(16, 4);
  const TTestIconImage large = BitmapIconImage(32, 8);
  TBytes file = IconFileOf({small, large});
  const std::uint32_t smallOffset = 6 + 32 + 5 + static_cast<std::uint32_t>(large.Bytes.size());
  file.resize(6 + 32);
  file.insert(file.end(), 5, 0xEE);
  file.insert(file.end(), large.Bytes.begin(), large.Bytes.end());
  file.insert(file.end(), small.Bytes.begin(), small.Bytes.end());
  PokeLittleEndian(file, 2, 0, 2);
  PokeLittleEndian(file, 6 + 12, smallOffset, 4);
  PokeLittleEndian(file, 6 + 16 + 12, 6 + 32 + 5, 4);

  TIcon icon;
  Load(icon, file);
  EXPECT_EQ(Saved(icon), IconFileOf({small, large}));
}

TEST(Icon, ShowsTheImageNearestTheStandardSizeWithTheMostColours) {
  struct Case {
    std::vector<TTestIconImage> Images;
    std::size_t Shown;
  };
  const TTestIconImage png{0, 0, 0, 32, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0}};
  const std::vector<Case> cases = {
      {{BitmapIconImage(16, 4), BitmapIconImage(32, 4), BitmapIconImage(32, 8)}, 2},
      {{BitmapIconImage(48, 4), BitmapIconImage(16, 8)}, 1},
      {{BitmapIconImage(16, 4), BitmapIconImage(48, 4)}, 0},
      {{png, BitmapIconImage(16, 1)}, 1},
      {{png}, 0},
  };
  for (const Case& c : cases) {
    const TBytes file = IconFileOf(c.Images);
    const std::vector<TIconImage> images = ReadIconFile(file);
    EXPECT_EQ(&StandardIconImage(images), &images[c.Shown]) << "case " << &c - cases.data();
    TIcon icon;
    Load(icon, file);
    const int side = c.Images[c.Shown].Width == 0 ? 256 : c.Images[c.Shown].Width;
    EXPECT_EQ(icon.Width(), side);
    EXPECT_EQ(icon.Height(), side);
  }
}

TEST(Icon, RefusesDataThatIsNoIconFileAndKeepsItsImage) {
  const TBytes valid = Standard16ColorIcon();
  const std::size_t image = 6 + 16;
  using Corruption = std::function<void(TBytes&)>;
  const std::vector<std::pair<std::string, Corruption>> cases = {
      {"nothing", [](TBytes& d) { d.clear(); }},
      {"header cut short", [](TBytes& d) { d.resize(5); }},
      {"reserved word", [](TBytes& d) { PokeLittleEndian(d, 0, 1, 2); }},
      {"cursor type", [](TBytes& d) { PokeLittleEndian(d, 2, 2, 2); }},
      {"no images", [](TBytes& d) { PokeLittleEndian(d, 4, 0, 2); }},
      {"directory cut short", [](TBytes& d) { d.resize(6 + 15); }},
      {"more entries than data", [](TBytes& d) { PokeLittleEndian(d, 4, 0xFFFF, 2); }},
      {"image of no bytes", [](TBytes& d) { PokeLittleEndian(d, 6 + 8, 0, 4); }},
      {"image past the end", [](TBytes& d) { PokeLittleEndian(d, 6 + 8, 767, 4); }},
      {"huge image size", [](TBytes& d) { PokeLittleEndian(d, 6 + 8, 0xFFFFFFFF, 4); }},
      {"huge offset", [](TBytes& d) { PokeLittleEndian(d, 6 + 12, 0xFFFFFFF0, 4); }},
      {"image inside the directory", [](TBytes& d) { PokeLittleEndian(d, 6 + 12, 6, 4); }},
      {"images sharing bytes",
       [](TBytes& d) {
         const TBytes entry(d.begin() + 6, d.begin() + 22);
         d.insert(d.begin() + 22, entry.begin(), entry.end());
         PokeLittleEndian(d, 4, 2, 2);
         PokeLittleEndian(d, 6 + 12, 38, 4);
         PokeLittleEndian(d, 6 + 16 + 12, 38, 4);
       }},
      {"pixels cut short",
       [](TBytes& d) {
         d.pop_back();
         PokeLittleEndian(d, 6 + 8, 743, 4);
       }},
      {"bitmap header too small", [=](TBytes& d) { PokeLittleEndian(d, image, 12, 4); }},
      {"bitmap header past image", [=](TBytes& d) { PokeLittleEndian(d, image, 800, 4); }},
      {"no pixels across", [=](TBytes& d) { PokeLittleEndian(d, image + 4, 0, 4); }},
      {"wider than 256", [=](TBytes& d) { PokeLittleEndian(d, image + 4, 257, 4); }},
      {"negative height", [=](TBytes& d) { PokeLittleEndian(d, image + 8, 0xFFFFFFC0, 4); }},
      {"taller than data", [=](TBytes& d) { PokeLittleEndian(d, image + 8, 66, 4); }},
      {"odd depth", [=](TBytes& d) { PokeLittleEndian(d, image + 14, 3, 2); }},
      {"compressed", [=](TBytes& d) { PokeLittleEndian(d, image + 16, 2, 4); }},
      {"palette past data", [=](TBytes& d) { PokeLittleEndian(d, image + 32, 0xFFFFFFFF, 4); }},
  };
  for (const auto& [name, corrupt] : cases) {
    TBytes data = valid;
    corrupt(data);
    TIcon icon;
    Load(icon, Standard16ColorIcon());
    try {
      Load(icon, data);
      ADD_FAILURE() << name << " was accepted";
    } catch (const EInvalidGraphic& error) {
      EXPECT_STREQ(error.what(), "Ung\xFCltiges Symbolformat") << name;
    }
    EXPECT_EQ(Saved(icon), valid) << name;
  }
}

TEST(Icon, RefusesOversizedDataUnread) {
  TMemoryStream stream;
  stream.SetSize(kMaxIconFileSize + 1);
  TIcon icon;
  EXPECT_THROW(icon.LoadFromStream(stream), EInvalidGraphic);
  EXPECT_EQ(stream.GetPosition(), 0);
}

TEST(Icon, AcceptsTheOldTypeWordAndMoreColoursThanTheDirectorySays) {
  TBytes file = Standard16ColorIcon();
  PokeLittleEndian(file, 2, 0, 2);
  PokeLittleEndian(file, 6 + 6, 0, 2);
  TIcon icon;
  Load(icon, file);
  EXPECT_EQ(ReadIconFile(Saved(icon))[0].Depth, 4);
}

class IconHandleTest : public ::testing::Test {
 protected:
  const std::size_t liveBefore_ = HeadlessGraphics().LiveIcons();
};

TEST_F(IconHandleTest, IsMadeOnDemandFromTheSavedFile) {
  TIcon icon;
  Load(icon, Standard16ColorIcon());
  EXPECT_FALSE(icon.HandleAllocated());
  const TIconHandle handle = icon.Handle();
  ASSERT_NE(handle, 0u);
  EXPECT_TRUE(icon.HandleAllocated());
  EXPECT_EQ(icon.Handle(), handle);
  ASSERT_NE(HeadlessGraphics().IconFile(handle), nullptr);
  EXPECT_EQ(*HeadlessGraphics().IconFile(handle), Standard16ColorIcon());
}

TEST_F(IconHandleTest, IsDestroyedWithTheImageItShows) {
  {
    TIcon icon;
    Load(icon, Standard16ColorIcon());
    const TIconHandle first = icon.Handle();
    Load(icon, IconFileOf({BitmapIconImage(16, 4)}));
    EXPECT_FALSE(icon.HandleAllocated());
    EXPECT_EQ(HeadlessGraphics().IconFile(first), nullptr);
    icon.Handle();
    EXPECT_EQ(HeadlessGraphics().LiveIcons(), liveBefore_ + 1);
  }
  EXPECT_EQ(HeadlessGraphics().LiveIcons(), liveBefore_);
}

TEST_F(IconHandleTest, AssignCopiesTheImageWithAHandleOfItsOwn) {
  TIcon copy;
  {
    TIcon source;
    Load(source, Standard16ColorIcon());
    copy.Assign(source);
    EXPECT_NE(copy.Handle(), source.Handle());
  }
  EXPECT_EQ(copy.Width(), 32);
  EXPECT_EQ(Saved(copy), Standard16ColorIcon());
  EXPECT_EQ(HeadlessGraphics().LiveIcons(), liveBefore_ + 1);

  TIcon empty;
  copy.Assign(empty);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(copy.Handle(), 0u);
  EXPECT_EQ(HeadlessGraphics().LiveIcons(), liveBefore_);
}

TEST(Icon, AssignRefusesOtherClasses) {
  TIcon icon;
  TFont font;
  EXPECT_THROW(icon.Assign(font), EConvertError);
}

TEST(Icon, ReportsEveryNewImage) {
  TIcon icon;
  TIcon other;
  TChangeCounter counter;
  icon.OnChange = counter.Handler();
  Load(icon, Standard16ColorIcon());
  icon.Assign(other);
  EXPECT_THROW(Load(icon, {1, 2, 3}), EInvalidGraphic);
  EXPECT_EQ(counter.Senders, (std::vector<TObject*>{&icon, &icon}));
}

// Records what a form reader or writer is offered.
class TRecordingFiler : public TFiler {
 public:
  void DefineBinaryProperty(const std::string& name, TStreamProc reader, TStreamProc writer,
                            bool hasData) override {
    Name = name;
    Reader = std::move(reader);
    Writer = std::move(writer);
    HasData = hasData;
  }
  std::string Name;
  TStreamProc Reader;
  TStreamProc Writer;
  bool HasData = false;
};

TEST(Icon, FormsStoreTheIconFileAsData) {
  TIcon icon;
  TRecordingFiler filer;
  icon.DefineProperties(filer);
  EXPECT_EQ(filer.Name, "Data");
  EXPECT_FALSE(filer.HasData);

  TMemoryStream stream;
  stream.WriteBuffer(Standard16ColorIcon().data(), Standard16ColorIcon().size());
  stream.SetPosition(0);
  filer.Reader(stream);
  icon.DefineProperties(filer);
  EXPECT_TRUE(filer.HasData);
  TMemoryStream written;
  filer.Writer(written);
  EXPECT_EQ(written.GetSize(), 766);
}

}  // namespace
}  // namespace qp
