// Recognising picture files and the sizes their headers claim, before any
// decoder allocates memory for them. No wx here: the open path and the fuzz
// target both start from these checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vt::picture {

// Files shorter than this are not fax pictures.
constexpr std::uintmax_t kMinFileBytes = 2048;
// Larger files are refused before they are read.
constexpr std::uintmax_t kMaxFileBytes = 256u * 1024u * 1024u;
// Largest picture opened: a side of at most kMaxSide pixels and at most
// kMaxPixels pixels in all (the document keeps three copies of that size).
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxPixels = 50'000'000;

enum class PictureFormat {
  kUnknown, kBmp, kIco, kCur, kAni, kPng, kJpeg, kGif, kPcx, kTga, kPnm, kTiff, kIff, kXpm
};

enum class SizeVerdict {
  kFits,      // every size the header claims can be decoded
  kEmpty,     // a zero, negative or unreadable size: nothing to decode
  kTooLarge,  // a size beyond kMaxSide / kMaxPixels
};

struct PictureCheck {
  PictureFormat format = PictureFormat::kUnknown;
  SizeVerdict verdict = SizeVerdict::kEmpty;
};

// Names the format from the content and checks the sizes its headers claim.
// Unknown content comes back as kUnknown with kEmpty.
PictureCheck CheckPicture(const std::uint8_t* data, std::size_t size);

// A PNM picture with its header rewritten as "Pn\nW H\nMAX\n": the decoder
// misreads other legal layouts of the header. Empty when the header is unusable.
std::vector<std::uint8_t> CanonicalPnm(const std::uint8_t* data, std::size_t size);

// A decoded picture: RGB, rows top-down, no padding.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// The first frame of a GIF (the one a document shows), decoded here: the
// library's decoder trusts the codes in the file and runs past its tables on
// broken ones. False when there is no frame that can be shown.
bool DecodeGifFirstFrame(const std::uint8_t* data, std::size_t size, RgbPicture* picture);

// The lines of an XPM picture (its strings outside comments), read without
// the library's own text parser, which can run past its buffer on broken files.
// Empty when the text is unusable.
std::vector<std::string> XpmLines(const std::uint8_t* data, std::size_t size);

// The verdict for one width x height claim.
SizeVerdict JudgeSize(std::int64_t width, std::int64_t height);

}  // namespace vt::picture
