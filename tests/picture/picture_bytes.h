// Picture file contents built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt::test {

// A grey level for reception row `row`, column `x` that differs from its neighbours.
inline std::uint8_t GreyAt(int row, int x) { return static_cast<std::uint8_t>(row * 37 + x * 3); }

inline void PutU16(std::string& s, std::size_t off, std::uint32_t v) {
  s[off] = static_cast<char>(v & 0xFF);
  s[off + 1] = static_cast<char>((v >> 8) & 0xFF);
}

inline void PutU32(std::string& s, std::size_t off, std::uint32_t v) {
  PutU16(s, off, v & 0xFFFF);
  PutU16(s, off + 2, v >> 16);
}

inline void PutU32be(std::string& s, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[off + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
}

// A reception file as the fax chain writes it: "BM", the 52-byte header, the
// grey palette, then reception rows 1 .. rows (bottom row first), 1280 wide.
// `claimedRows` (when not negative) replaces the height written in the header.
inline std::string ReceptionFile(int rows, long long claimedRows = -1, int width = 1280) {
  const std::uint32_t height = claimedRows < 0 ? rows : static_cast<std::uint32_t>(claimedRows);
  std::string s(1078, '\0');
  s[0] = 'B';
  s[1] = 'M';
  PutU32(s, 2, 1078 + width * rows);
  PutU32(s, 10, 1078);
  PutU32(s, 14, 40);
  PutU32(s, 18, static_cast<std::uint32_t>(width));
  PutU32(s, 22, height);
  PutU16(s, 26, 1);
  PutU16(s, 28, 8);
  PutU32(s, 34, static_cast<std::uint32_t>(width) * height);
  PutU32(s, 46, 256);
  PutU32(s, 50, 256);
  for (int i = 0; i < 256; ++i) {
    s[54 + 4 * i] = s[55 + 4 * i] = s[56 + 4 * i] = static_cast<char>(i);
  }
  for (int row = rows; row >= 1; --row) {
    for (int x = 0; x < width; ++x) s.push_back(static_cast<char>(GreyAt(row, x)));
  }
  return s;
}

// A PNG signature and IHDR claiming width x height, padded to `size` bytes.
inline std::string PngHeader(std::uint32_t width, std::uint32_t height, std::size_t size = 4096) {
  std::string s("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  s.resize(size, '\0');
  PutU32be(s, 16, width);
  PutU32be(s, 20, height);
  s[24] = 8;
  s[25] = 2;
  return s;
}

}  // namespace vt::test
