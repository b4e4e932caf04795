// The reception image and the files it is saved to.
#pragma once

#include <string>
#include <vector>

namespace vt::fax {

// The picture being received. It is grey (red = green = blue), so it keeps one
// byte per pixel, 0 black to 255 white, rows top-down without padding.
struct FaxImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;

  void Create(int w, int h) {
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  }
  void Release() {
    width = height = 0;
    pixels.clear();
    pixels.shrink_to_fit();
  }
  bool Empty() const { return pixels.empty(); }
  const unsigned char* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// Header and palette in front of the pixel rows of a reception file.
constexpr int kBmpOffset = 1078;

// Writes the reception file: an 8-bit grey-palette bitmap holding picture rows
// pixy - 2 down to 1 (bottom-up). Needs at least three counted rows; with fewer,
// or when the file cannot be written, it writes nothing usable and returns false.
bool WriteBmp(const FaxImage& image, unsigned long pixy, const std::string& path);

// The same rows (1 to pixy - 2, top-down) as an 8-bit greyscale PNG.
bool WritePng(const FaxImage& image, unsigned long pixy, const std::string& path);

// Rows a reception file holds for this row count (0 when it would hold none).
int SavedRows(const FaxImage& image, unsigned long pixy);

}  // namespace vt::fax
