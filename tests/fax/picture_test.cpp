// The reception file and its PNG copy.
#include <gtest/gtest.h>

#include <cstdint>

#include "fax/faxpicture.h"
#include "test_support.h"

namespace vt::fax {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// Every row holds its own row number (mod 256) in every pixel.
FaxImage NumberedImage() {
  FaxImage image;
  image.Create(1280, 2400);
  for (int y = 0; y < 2400; ++y) {
    for (int x = 0; x < 1280; ++x) image.pixels[static_cast<size_t>(y) * 1280 + x] = static_cast<uint8_t>(y);
  }
  return image;
}

TEST(WriteBmp, HeaderPaletteAndBottomUpRows) {
  vt::test::TempDir dir;
  const FaxImage image = NumberedImage();
  const struct {
    unsigned long pixy;
    uint32_t rows;
  } table[] = {{3, 1}, {100, 98}, {2400, 2398}, {2401, 2399}, {5000, 2399}};
  for (const auto& c : table) {
    const std::string path = dir.file("r.dib");
    ASSERT_TRUE(WriteBmp(image, c.pixy, path));
    const std::string b = vt::test::ReadFile(path);
    ASSERT_EQ(b.size(), 1078u + 1280u * c.rows) << c.pixy;
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(U32(b, 2), b.size());      // filesize
    EXPECT_EQ(U32(b, 6), 0u);            // reserved
    EXPECT_EQ(U32(b, 10), 1078u);        // offset
    EXPECT_EQ(U32(b, 14), 40u);          // headersize
    EXPECT_EQ(U32(b, 18), 1280u);        // width
    EXPECT_EQ(U32(b, 22), c.rows);       // height
    EXPECT_EQ(U16(b, 26), 1);            // planes
    EXPECT_EQ(U16(b, 28), 8);            // bits per pixel
    EXPECT_EQ(U32(b, 30), 0u);           // compression
    EXPECT_EQ(U32(b, 34), 1280u * c.rows);
    EXPECT_EQ(U32(b, 38), 0u);
    EXPECT_EQ(U32(b, 42), 0u);
    EXPECT_EQ(U32(b, 46), 256u);
    EXPECT_EQ(U32(b, 50), 256u);
    for (int i : {0, 1, 128, 255}) EXPECT_EQ(U32(b, 54 + 4 * i), uint32_t(i) * 0x010101u);
    // First file row is picture row `rows`, last is picture row 1.
    EXPECT_EQ(static_cast<uint8_t>(b[1078]), static_cast<uint8_t>(c.rows));
    EXPECT_EQ(static_cast<uint8_t>(b[1078 + 1279]), static_cast<uint8_t>(c.rows));
    EXPECT_EQ(static_cast<uint8_t>(b[b.size() - 1]), 1);
  }
}

TEST(WriteBmp, FewerThanThreeRowsWritesNothing) {
  vt::test::TempDir dir;
  const FaxImage image = NumberedImage();
  for (unsigned long pixy : {0ul, 1ul, 2ul}) {
    EXPECT_FALSE(WriteBmp(image, pixy, dir.file("r.dib")));
    EXPECT_FALSE(WritePng(image, pixy, dir.file("r.png")));
  }
  EXPECT_FALSE(vt::test::FileExists(dir.file("r.dib")));
  EXPECT_FALSE(vt::test::FileExists(dir.file("r.png")));
}

TEST(WriteBmp, UnwritableFileIsReported) {
  vt::test::MessageRecorder messages;
  EXPECT_FALSE(WriteBmp(NumberedImage(), 10, "/nonexistent-folder/r.dib"));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("/nonexistent-folder/r.dib"), std::string::npos);
}

TEST(WritePng, SignatureAndSize) {
  vt::test::TempDir dir;
  ASSERT_TRUE(WritePng(NumberedImage(), 12, dir.file("r.png")));
  const std::string b = vt::test::ReadFile(dir.file("r.png"));
  EXPECT_EQ(b.substr(1, 3), "PNG");
  EXPECT_EQ(b.substr(12, 4), "IHDR");
  EXPECT_EQ(static_cast<uint8_t>(b[19]), 0);     // width 1280 = 0x500, big-endian
  EXPECT_EQ(static_cast<uint8_t>(b[18]), 0x05);
  EXPECT_EQ(static_cast<uint8_t>(b[23]), 10);    // height pixy - 2
  EXPECT_EQ(b.substr(b.size() - 8, 4), "IEND");
}

}  // namespace
}  // namespace vt::fax
