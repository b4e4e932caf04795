// Recognising picture files and refusing oversized or empty headers before decoding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture/picture_file.h"
#include "picture_bytes.h"

namespace {

using vt::picture::PictureFormat;
using vt::picture::SizeVerdict;
using vt::test::PutU16;
using vt::test::PutU32;

std::string Gif(const std::vector<std::pair<int, int>>& frames) {
  std::string s = "GIF89a";
  s.append(7, '\0');
  PutU16(s, 6, 100);
  PutU16(s, 8, 100);
  for (auto [w, h] : frames) {
    std::string d(10, '\0');
    d[0] = 0x2C;
    PutU16(d, 5, static_cast<std::uint32_t>(w));
    PutU16(d, 7, static_cast<std::uint32_t>(h));
    s += d;
    s += std::string("\x02\x00", 2);  // LZW code size, empty data
  }
  s += ';';
  s.resize(2048, '\0');
  return s;
}

std::string Jpeg(int width, int height) {
  std::string s("\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x11\x08", 13);
  s.append(4, '\0');
  s[13] = static_cast<char>(height >> 8);
  s[14] = static_cast<char>(height & 0xFF);
  s[15] = static_cast<char>(width >> 8);
  s[16] = static_cast<char>(width & 0xFF);
  s.resize(2048, '\0');
  return s;
}

std::string Tiff(std::uint32_t width, std::uint32_t height) {
  std::string s("II*\0", 4);
  s.resize(2048, '\0');
  PutU32(s, 4, 8);
  PutU16(s, 8, 2);
  PutU16(s, 10, 256);
  PutU16(s, 12, 4);
  PutU32(s, 14, 1);
  PutU32(s, 18, width);
  PutU16(s, 22, 257);
  PutU16(s, 24, 4);
  PutU32(s, 26, 1);
  PutU32(s, 30, height);
  return s;
}

std::string Pcx(int xmin, int xmax, int ymax) {
  std::string s(2048, '\0');
  s[0] = 0x0A;
  s[1] = 5;
  s[2] = 1;
  s[3] = 8;
  PutU16(s, 4, static_cast<std::uint32_t>(xmin));
  PutU16(s, 8, static_cast<std::uint32_t>(xmax));
  PutU16(s, 10, static_cast<std::uint32_t>(ymax));
  return s;
}

std::string Icon(std::int32_t width, std::int32_t doubledHeight) {
  std::string s(2048, '\0');
  PutU16(s, 2, 1);
  PutU16(s, 4, 1);
  PutU32(s, 6 + 12, 22);  // the bitmap right after the one entry
  PutU32(s, 22, 40);
  PutU32(s, 26, static_cast<std::uint32_t>(width));
  PutU32(s, 30, static_cast<std::uint32_t>(doubledHeight));
  return s;
}

struct Case {
  const char* name;
  std::string bytes;
  PictureFormat format;
  SizeVerdict verdict;
};

TEST(PictureCheck, NamesFormatAndJudgesClaimedSize) {
  using vt::test::ReceptionFile;
  const std::vector<Case> cases = {
      {"reception file, one row", ReceptionFile(1), PictureFormat::kBmp, SizeVerdict::kFits},
      {"full reception", ReceptionFile(2400), PictureFormat::kBmp, SizeVerdict::kFits},
      {"bitmap 100000 x 100000", ReceptionFile(1, 100000, 100000), PictureFormat::kBmp,
       SizeVerdict::kTooLarge},
      {"bitmap whose area overflows 32 bits", ReceptionFile(1, 65536, 65536), PictureFormat::kBmp,
       SizeVerdict::kTooLarge},
      {"bitmap within each side but too many pixels", ReceptionFile(1, 30000, 30000),
       PictureFormat::kBmp, SizeVerdict::kTooLarge},
      {"bitmap with the most negative height", ReceptionFile(1, 0x80000000LL),
       PictureFormat::kBmp, SizeVerdict::kTooLarge},
      {"top-down bitmap (negative height)", ReceptionFile(1, 0xFFFFFFFFLL), PictureFormat::kBmp,
       SizeVerdict::kFits},
      {"bitmap with zero height", ReceptionFile(1, 0), PictureFormat::kBmp, SizeVerdict::kEmpty},
      {"bitmap cut inside its header", ReceptionFile(1).substr(0, 20), PictureFormat::kBmp,
       SizeVerdict::kEmpty},
      {"png 100000 x 100000", vt::test::PngHeader(100000, 100000), PictureFormat::kPng,
       SizeVerdict::kTooLarge},
      {"png 4000 x 3000", vt::test::PngHeader(4000, 3000), PictureFormat::kPng,
       SizeVerdict::kFits},
      {"gif frame 8000 x 4000", Gif({{8000, 4000}}), PictureFormat::kGif, SizeVerdict::kFits},
      {"gif frames adding up past the limit", Gif({{8000, 4000}, {8000, 4000}}),
       PictureFormat::kGif, SizeVerdict::kTooLarge},
      {"gif without frames", Gif({}), PictureFormat::kGif, SizeVerdict::kEmpty},
      {"jpeg 65535 x 65535", Jpeg(65535, 65535), PictureFormat::kJpeg, SizeVerdict::kTooLarge},
      {"jpeg 1280 x 2400", Jpeg(1280, 2400), PictureFormat::kJpeg, SizeVerdict::kFits},
      {"tiff 100000 wide", Tiff(100000, 10), PictureFormat::kTiff, SizeVerdict::kTooLarge},
      {"pcx whose right edge is left of its left edge", Pcx(10, 5, 10), PictureFormat::kPcx,
       SizeVerdict::kEmpty},
      {"icon bitmap 64 x 64", Icon(64, 128), PictureFormat::kIco, SizeVerdict::kFits},
      {"icon bitmap 100000 wide", Icon(100000, 128), PictureFormat::kIco,
       SizeVerdict::kTooLarge},
      {"2048 bytes of text", std::string(2048, 'n'), PictureFormat::kUnknown,
       SizeVerdict::kEmpty},
  };
  for (const Case& c : cases) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
    const vt::picture::PictureCheck check = vt::picture::CheckPicture(data, c.bytes.size());
    EXPECT_EQ(c.format, check.format) << c.name;
    EXPECT_EQ(c.verdict, check.verdict) << c.name;
  }
}

TEST(PictureCheck, EveryPrefixOfAPictureIsHandledSafely) {
  // Truncated headers must read nothing beyond the bytes given (checked under ASan).
  const std::vector<std::string> pictures = {vt::test::ReceptionFile(1), Gif({{10, 10}}),
                                             Jpeg(10, 10), Tiff(10, 10), Icon(16, 32)};
  for (const std::string& full : pictures) {
    for (std::size_t n = 0; n <= 64; ++n) {
      const std::vector<std::uint8_t> prefix(full.begin(), full.begin() + n);
      vt::picture::CheckPicture(prefix.data(), prefix.size());
    }
  }
}

}  // namespace
