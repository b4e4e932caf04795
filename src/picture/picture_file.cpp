#include "picture/picture_file.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vt::picture {

namespace {

// Bounds-checked reads; -1 when the bytes are not there.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : d_(data), n_(size) {}
  std::size_t size() const { return n_; }
  bool Has(std::size_t off, std::size_t len) const { return off <= n_ && len <= n_ - off; }
  bool Matches(std::size_t off, const char* text) const {
    const std::size_t len = std::strlen(text);
    return Has(off, len) && std::memcmp(d_ + off, text, len) == 0;
  }
  std::int64_t U8(std::size_t off) const { return Has(off, 1) ? d_[off] : -1; }
  std::int64_t U16le(std::size_t off) const {
    return Has(off, 2) ? d_[off] | (d_[off + 1] << 8) : -1;
  }
  std::int64_t U16be(std::size_t off) const {
    return Has(off, 2) ? (d_[off] << 8) | d_[off + 1] : -1;
  }
  std::int64_t U32le(std::size_t off) const {
    if (!Has(off, 4)) return -1;
    return static_cast<std::int64_t>(d_[off]) | (static_cast<std::int64_t>(d_[off + 1]) << 8) |
           (static_cast<std::int64_t>(d_[off + 2]) << 16) |
           (static_cast<std::int64_t>(d_[off + 3]) << 24);
  }
  std::int64_t U32be(std::size_t off) const {
    if (!Has(off, 4)) return -1;
    return (static_cast<std::int64_t>(d_[off]) << 24) |
           (static_cast<std::int64_t>(d_[off + 1]) << 16) |
           (static_cast<std::int64_t>(d_[off + 2]) << 8) | static_cast<std::int64_t>(d_[off + 3]);
  }
  // A signed 32-bit little-endian field; `ok` false when absent.
  std::int64_t I32le(std::size_t off, bool* ok) const {
    *ok = Has(off, 4);
    if (!*ok) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(U32le(off)));
  }
  Bytes Slice(std::size_t off, std::size_t len) const {
    if (!Has(off, 0)) return Bytes(d_, 0);
    return Bytes(d_ + off, len <= n_ - off ? len : n_ - off);
  }
  std::uint8_t At(std::size_t off) const { return d_[off]; }

 private:
  const std::uint8_t* d_;
  std::size_t n_;
};

// Sums every frame a decoder would allocate; one oversized or empty frame decides.
class SizeTally {
 public:
  void Add(std::int64_t width, std::int64_t height) {
    ++frames_;
    const SizeVerdict v = JudgeSize(width, height);
    if (v == SizeVerdict::kTooLarge) large_ = true;
    if (v == SizeVerdict::kEmpty) empty_ = true;
    if (v == SizeVerdict::kFits) total_ += width * height;
  }
  void MarkEmpty() { empty_ = true; }
  SizeVerdict Verdict() const {
    if (large_ || total_ > kMaxPixels) return SizeVerdict::kTooLarge;
    if (empty_ || frames_ == 0) return SizeVerdict::kEmpty;
    return SizeVerdict::kFits;
  }

 private:
  int frames_ = 0;
  bool large_ = false;
  bool empty_ = false;
  std::int64_t total_ = 0;
};

const char kPngSignature[] = "\x89PNG\r\n\x1a\n";

bool IsPng(const Bytes& b, std::size_t off) { return b.Matches(off, kPngSignature); }

void TallyPng(const Bytes& b, std::size_t off, SizeTally& tally) {
  tally.Add(b.U32be(off + 16), b.U32be(off + 20));
}

// Width and height as the bitmap decoder reads them: signed 32-bit fields;
// icons store twice their height; a negative height means top-down rows.
void TallyDib(const Bytes& b, std::size_t off, bool icon, SizeTally& tally) {
  bool okw = false, okh = false;
  const std::int64_t width = b.I32le(off + 4, &okw);
  std::int64_t height = b.I32le(off + 8, &okh);
  if (!okw || !okh) return tally.MarkEmpty();
  if (icon) height /= 2;
  tally.Add(width, height < 0 ? -height : height);
}

void TallyIcon(const Bytes& b, SizeTally& tally) {
  const std::int64_t count = b.U16le(4);
  if (count <= 0) return tally.MarkEmpty();
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t offset = b.U32le(6 + 16 * static_cast<std::size_t>(i) + 12);
    if (offset < 0) return tally.MarkEmpty();
    const auto at = static_cast<std::size_t>(offset);
    if (IsPng(b, at)) {
      TallyPng(b, at, tally);
    } else {
      TallyDib(b, at, true, tally);
    }
  }
}

// RIFF "ACON", walked as the decoder walks it (a "LIST" is entered in place).
// The step count sizes its frame table and every "icon" chunk is an icon file;
// the first step must name an icon that is there, or the decoder indexes past
// its list of pictures.
void TallyAnimatedCursor(const Bytes& b, SizeTally& tally) {
  std::int64_t steps = 0, icons = 0;
  std::size_t sequence = 0, sequenceLength = 0;
  std::size_t pos = 12;
  while (b.Has(pos, 8)) {
    const std::int64_t len = b.U32le(pos + 4);
    const std::size_t data = pos + 8;
    if (b.Matches(pos, "LIST")) {
      pos += 12;
      continue;
    }
    if (b.Matches(pos, "anih")) {
      if (steps != 0) return tally.MarkEmpty();
      steps = b.U32le(data + 8);
      const std::int64_t frames = b.U32le(data + 4);
      if (steps <= 0 || steps > 4096 || frames <= 0 || frames > 4096) return tally.MarkEmpty();
    } else if (b.Matches(pos, "seq ")) {
      sequence = data;
      sequenceLength = static_cast<std::size_t>(len);
    } else if (b.Matches(pos, "icon")) {
      TallyIcon(b.Slice(data, static_cast<std::size_t>(len)), tally);
      ++icons;
    }
    pos = data + static_cast<std::size_t>(len) + (len & 1);
  }
  if (steps == 0) return tally.MarkEmpty();
  if (sequence == 0) {
    if (steps != icons) tally.MarkEmpty();
    return;
  }
  if (sequenceLength < 4 * static_cast<std::size_t>(steps)) return tally.MarkEmpty();
  for (std::int64_t i = 0; i < steps; ++i) {
    const std::int64_t index = b.U32le(sequence + 4 * static_cast<std::size_t>(i));
    if (index < 0 || index >= icons) return tally.MarkEmpty();
  }
}

bool IsSofMarker(int m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

// Walks the markers to the first frame header, as the decoder does (stray bytes skipped).
void TallyJpeg(const Bytes& b, SizeTally& tally) {
  std::size_t pos = 2;
  while (pos < b.size()) {
    if (b.At(pos) != 0xFF) {
      ++pos;
      continue;
    }
    while (pos < b.size() && b.At(pos) == 0xFF) ++pos;
    const std::int64_t marker = b.U8(pos);
    if (marker < 0 || marker == 0xD9 || marker == 0xDA) break;
    ++pos;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
    const std::int64_t len = b.U16be(pos);
    if (len < 2) break;
    if (IsSofMarker(static_cast<int>(marker))) {
      return tally.Add(b.U16be(pos + 5), b.U16be(pos + 3));
    }
    pos += static_cast<std::size_t>(len);
  }
  tally.MarkEmpty();
}

// Skips GIF data sub-blocks starting at pos; returns the position after the
// terminator, or one past the end when the data stops first.
std::size_t SkipSubBlocks(const Bytes& b, std::size_t pos) {
  while (b.Has(pos, 1)) {
    const std::uint8_t len = b.At(pos);
    if (len == 0) return pos + 1;
    pos += 1 + len;
  }
  return b.size() + 1;
}

std::size_t ColourTableBytes(std::int64_t flags) {
  return (flags & 0x80) ? 3u * (2u << (flags & 7)) : 0u;
}

// Joins the data sub-blocks starting at pos.
std::vector<std::uint8_t> GatherSubBlocks(const Bytes& b, std::size_t pos) {
  std::vector<std::uint8_t> data;
  while (b.Has(pos, 1) && b.At(pos) != 0) {
    const std::size_t len = b.At(pos);
    for (std::size_t i = 1; i <= len && b.Has(pos + i, 1); ++i) data.push_back(b.At(pos + i));
    pos += 1 + len;
  }
  return data;
}

// Reads GIF codes, least significant bit first.
class CodeReader {
 public:
  explicit CodeReader(const std::vector<std::uint8_t>& data) : data_(data) {}
  // False when fewer than `bits` bits are left.
  bool Next(int bits, int* code) {
    if (bit_ + static_cast<std::size_t>(bits) > 8 * data_.size()) return false;
    *code = 0;
    for (int i = 0; i < bits; ++i, ++bit_) {
      if (data_[bit_ / 8] & (1u << (bit_ % 8))) *code |= 1 << i;
    }
    return true;
  }

 private:
  const std::vector<std::uint8_t>& data_;
  std::size_t bit_ = 0;
};

// Decodes one frame's LZW codes into palette indices, filling `indices` as far
// as the codes go. False on a code that names no string.
bool DecodeLzw(const std::vector<std::uint8_t>& data, int minSize,
               std::vector<std::uint8_t>& indices) {
  if (minSize < 2 || minSize > 8) return false;
  const int clear = 1 << minSize, end = clear + 1;
  std::vector<int> prefix(4096, 0);
  std::vector<std::uint8_t> suffix(4096, 0), first(4096, 0);
  for (int i = 0; i < clear; ++i) suffix[i] = first[i] = static_cast<std::uint8_t>(i);
  int next = clear + 2, size = minSize + 1, previous = -1, code = 0;
  std::size_t written = 0;
  std::vector<std::uint8_t> string;
  CodeReader reader(data);
  while (written < indices.size() && reader.Next(size, &code)) {
    if (code == clear) {
      next = clear + 2;
      size = minSize + 1;
      previous = -1;
      continue;
    }
    if (code == end) break;
    if (previous < 0) {
      if (code >= clear) return false;
      indices[written++] = static_cast<std::uint8_t>(code);
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= 4096)) return false;
    // A code not yet in the table is the previous string plus its own first byte.
    const bool unseen = code == next;
    string.clear();
    if (unseen) string.push_back(first[previous]);
    int c = unseen ? previous : code;
    while (c >= clear) {
      string.push_back(suffix[c]);
      c = prefix[c];
    }
    string.push_back(static_cast<std::uint8_t>(c));
    for (auto it = string.rbegin(); it != string.rend() && written < indices.size(); ++it) {
      indices[written++] = *it;
    }
    if (next < 4096) {
      prefix[next] = previous;
      suffix[next] = first[unseen ? previous : code];
      first[next] = first[previous];
      ++next;
      if (next == (1 << size) && size < 12) ++size;
    }
    previous = code;
  }
  return true;
}

// Row order of a frame's data: straight, or the four passes of interlacing.
std::vector<int> GifRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
  }
  return rows;
}

// Every frame of a GIF counts against the size limits; a file cut short is refused.
void TallyGif(const Bytes& b, SizeTally& tally) {
  std::size_t pos = 13 + ColourTableBytes(b.U8(10));
  while (b.Has(pos, 1)) {
    const std::uint8_t kind = b.At(pos);
    if (kind == 0x3B) return;
    if (kind == 0x21) {
      pos = SkipSubBlocks(b, pos + 2);
    } else if (kind == 0x2C) {
      tally.Add(b.U16le(pos + 5), b.U16le(pos + 7));
      pos += 10 + ColourTableBytes(b.U8(pos + 9));
      pos = SkipSubBlocks(b, pos + 1);
    } else {
      break;
    }
  }
  tally.MarkEmpty();
}

void TallyPcx(const Bytes& b, SizeTally& tally) {
  const std::int64_t xmin = b.U16le(4), ymin = b.U16le(6), xmax = b.U16le(8), ymax = b.U16le(10);
  if (ymax < 0) return tally.MarkEmpty();
  tally.Add(xmax - xmin + 1, ymax - ymin + 1);
}

// A TGA header the decoder can follow: a colour-mapped picture must bring its
// palette of three-byte entries (the decoder reads a missing one through a
// null pointer and always reads three bytes an entry).
bool LooksLikeTga(const Bytes& b) {
  if (!b.Has(0, 18)) return false;
  const int mapType = b.At(1), imageType = b.At(2), bpp = b.At(16);
  const std::int64_t mapFirst = b.U16le(3), mapLength = b.U16le(5);
  const int mapDepth = b.At(7);
  if (mapType > 1 || (mapType == 1 && (mapFirst != 0 || mapDepth != 24))) return false;
  switch (imageType) {
    case 1:
    case 9: return mapType == 1 && mapLength >= 1 && mapLength <= 256 && bpp == 8;
    case 2:
    case 10: return bpp == 16 || bpp == 24 || bpp == 32;
    case 3:
    case 11: return bpp == 8 || bpp == 16;
    default: return false;
  }
}

// The pixels must all be in the file, and no run-length packet may reach past
// the picture: the decoder copies whole packets without looking.
bool TgaPixelsArePresent(const Bytes& b, std::int64_t pixels) {
  const std::size_t bytesPerPixel = b.At(16) / 8;
  const std::size_t palette = b.At(1) == 1 ? 3 * static_cast<std::size_t>(b.U16le(5)) : 0;
  std::size_t pos = 18 + b.At(0) + palette;
  if (b.At(2) < 9) return b.Has(pos, static_cast<std::size_t>(pixels) * bytesPerPixel);
  std::int64_t remaining = pixels;
  while (remaining > 0) {
    if (!b.Has(pos, 1)) return false;
    const std::uint8_t packet = b.At(pos);
    const std::int64_t count = (packet & 0x7F) + 1;
    if (count > remaining) return false;
    pos += 1 + ((packet & 0x80) ? bytesPerPixel : static_cast<std::size_t>(count) * bytesPerPixel);
    if (pos > b.size()) return false;
    remaining -= count;
  }
  return true;
}

void TallyTga(const Bytes& b, SizeTally& tally) {
  const std::int64_t width = b.U16le(12), height = b.U16le(14);
  tally.Add(width, height);
  if (JudgeSize(width, height) == SizeVerdict::kFits && !TgaPixelsArePresent(b, width * height)) {
    tally.MarkEmpty();
  }
}

bool IsSpace(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

// The next decimal number of a text header, skipping blanks and '#' comments; -1 if none.
std::int64_t NextNumber(const Bytes& b, std::size_t& pos, bool comments) {
  while (pos < b.size() && (IsSpace(b.At(pos)) || (comments && b.At(pos) == '#'))) {
    if (b.At(pos) == '#') {
      while (pos < b.size() && b.At(pos) != '\n') ++pos;
    } else {
      ++pos;
    }
  }
  if (pos >= b.size() || !IsDigit(b.At(pos))) return -1;
  std::int64_t value = 0;
  while (pos < b.size() && IsDigit(b.At(pos))) {
    if (value <= kMaxPixels) value = value * 10 + (b.At(pos) - '0');
    ++pos;
  }
  return value;
}

struct PnmHeader {
  std::int64_t width = -1, height = -1, maxval = -1;
  std::size_t dataOffset = 0;  // first pixel byte
};

// The decoder divides by the maximum grey value, so it must be there, not zero,
// and ended by the blank the format puts before the pixels.
bool ReadPnmHeader(const Bytes& b, PnmHeader* header) {
  std::size_t pos = 2;
  header->width = NextNumber(b, pos, true);
  header->height = NextNumber(b, pos, true);
  header->maxval = NextNumber(b, pos, true);
  header->dataOffset = pos + 1;
  const bool ended = pos < b.size() && IsSpace(b.At(pos));
  return ended && header->maxval >= 1 && header->maxval <= 65535;
}

void TallyPnm(const Bytes& b, SizeTally& tally) {
  PnmHeader header;
  if (!ReadPnmHeader(b, &header)) return tally.MarkEmpty();
  tally.Add(header.width, header.height);
}

// The first directory's width and length (and tile size, which sizes a decode buffer).
void TallyTiff(const Bytes& b, SizeTally& tally) {
  const bool le = b.At(0) == 'I';
  auto u16 = [&](std::size_t off) { return le ? b.U16le(off) : b.U16be(off); };
  auto u32 = [&](std::size_t off) { return le ? b.U32le(off) : b.U32be(off); };
  const std::int64_t ifd = u32(4);
  const std::int64_t count = ifd < 0 ? -1 : u16(static_cast<std::size_t>(ifd));
  if (count <= 0) return tally.MarkEmpty();
  std::int64_t width = -1, height = -1, tileWidth = 0, tileLength = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::size_t entry = static_cast<std::size_t>(ifd) + 2 + 12 * static_cast<std::size_t>(i);
    const std::int64_t tag = u16(entry), type = u16(entry + 2);
    const std::int64_t value = type == 3 ? u16(entry + 8) : u32(entry + 8);
    if (tag == 256) width = value;
    if (tag == 257) height = value;
    if (tag == 322) tileWidth = value;
    if (tag == 323) tileLength = value;
  }
  tally.Add(width, height);
  if (tileWidth != 0 || tileLength != 0) {
    if (JudgeSize(tileWidth, tileLength) != SizeVerdict::kFits) tally.MarkEmpty();
  }
}

// An ILBM the decoder can follow: 1 to 8 or 24 bit planes (it divides by the
// count), a known compression, a body, and a colour map holding every colour
// the planes can name (it looks colours up without checking).
void TallyIff(const Bytes& b, SizeTally& tally) {
  std::size_t header = 0, colourBytes = 0;
  bool body = false;
  std::size_t pos = 12;
  while (b.Has(pos, 8)) {
    const std::int64_t len = b.U32be(pos + 4);
    // A second header or colour map would leave it unclear which one the decoder takes.
    if ((b.Matches(pos, "BMHD") && header != 0) || (b.Matches(pos, "CMAP") && colourBytes != 0)) {
      return tally.MarkEmpty();
    }
    if (b.Matches(pos, "BMHD") && len >= 20) header = pos + 8;
    if (b.Matches(pos, "CMAP")) colourBytes = static_cast<std::size_t>(len);
    if (b.Matches(pos, "BODY")) {
      body = true;
      break;  // the decoder stops at the body
    }
    pos += 8 + static_cast<std::size_t>(len) + (len & 1);
  }
  if (header == 0 || !b.Has(header, 20) || !body) return tally.MarkEmpty();
  const int planes = b.At(header + 8), compression = b.At(header + 10);
  const std::int64_t transparent = b.U16be(header + 12);
  const bool planesKnown = (planes >= 1 && planes <= 8) || planes == 24;
  const std::size_t colours = colourBytes / 3;
  const bool coloursThere = planes == 24 || colours >= (1u << planes);
  // The transparent colour is looked up in the map too.
  const bool transparentThere =
      transparent < static_cast<std::int64_t>(std::max<std::size_t>(colours, 1));
  if (!planesKnown || compression > 1 || !coloursThere || !transparentThere) {
    return tally.MarkEmpty();
  }
  tally.Add(b.U16be(header), b.U16be(header + 2));
}

// The XPM text as the decoder keeps it after dropping comments, dropped the way
// it does: quoted text (with backslash escapes, in double or single quotes) is
// skipped, and the character right after a comment is not looked at. False
// where the decoder would read past the end of its buffer.
bool DropXpmComments(std::string& t) {
  std::size_t p = 0;
  while (p < t.size()) {
    const char c = t[p];
    if (c == '"' || c == '\'') {
      for (++p; p < t.size(); ++p) {
        if (t[p] == c && t[p - 1] != '\\') break;
      }
      if (p >= t.size()) return true;
      ++p;
    } else if (c == '/' && p + 1 < t.size() && t[p + 1] == '*') {
      const std::size_t end = t.find("*/", p + 2);
      if (end == std::string::npos) return false;
      t.erase(p, end + 2 - p);
      if (p >= t.size()) return false;
      ++p;
    } else {
      ++p;
    }
  }
  return true;
}

// The double-quoted strings the decoder takes as lines: from each quote to the
// next, then one character skipped. False where it would read past its buffer.
bool SplitXpmStrings(const std::string& t, std::vector<std::string>* strings) {
  std::size_t p = 0;
  while (p < t.size()) {
    if (t[p] != '"') {
      ++p;
      continue;
    }
    const std::size_t q = t.find('"', p + 1);
    if (q == std::string::npos || q + 1 >= t.size()) return false;
    strings->push_back(t.substr(p + 1, q - p - 1));
    p = q + 2;
  }
  return true;
}

// The lines of an XPM picture: its strings outside comments, each split at
// newlines. Empty when the text is unusable (a NUL byte, an unclosed comment or string).
std::vector<std::string> ReadXpmLines(const Bytes& b) {
  std::string text;
  for (std::size_t i = 0; i < b.size() && b.At(i) != 0; ++i)
    text.push_back(static_cast<char>(b.At(i)));
  std::vector<std::string> strings;
  if (text.size() != b.size() || !DropXpmComments(text) || !SplitXpmStrings(text, &strings)) {
    return {};
  }
  std::vector<std::string> lines;
  for (const std::string& s : strings) {
    std::size_t start = 0, end = 0;
    while ((end = s.find('\n', start)) != std::string::npos) {
      lines.push_back(s.substr(start, end - start));
      start = end + 1;
    }
    lines.push_back(s.substr(start));
  }
  return lines;
}

// "w h colours chars-per-pixel" in the first line; the file must hold the
// lines that header promises, since the decoder indexes them without checks.
void TallyXpm(const Bytes& b, SizeTally& tally) {
  const std::vector<std::string> lines = ReadXpmLines(b);
  if (lines.empty()) return tally.MarkEmpty();
  const Bytes header(reinterpret_cast<const std::uint8_t*>(lines[0].data()), lines[0].size());
  std::size_t pos = 0;
  const std::int64_t width = NextNumber(header, pos, false);
  const std::int64_t height = NextNumber(header, pos, false);
  const std::int64_t colours = NextNumber(header, pos, false);
  const std::int64_t cpp = NextNumber(header, pos, false);
  const bool sane = colours >= 1 && colours <= (1 << 24) && cpp >= 1 && cpp <= 8 &&
                    static_cast<std::int64_t>(lines.size()) >= 1 + colours + height;
  if (!sane) return tally.MarkEmpty();
  tally.Add(width, height);
}

PictureFormat Identify(const Bytes& b) {
  if (b.Matches(0, "BM")) return PictureFormat::kBmp;
  if (IsPng(b, 0)) return PictureFormat::kPng;
  if (b.U8(0) == 0xFF && b.U8(1) == 0xD8) return PictureFormat::kJpeg;
  if (b.Matches(0, "GIF8")) return PictureFormat::kGif;
  if (b.Matches(0, "II*") && b.U8(3) == 0) return PictureFormat::kTiff;
  if (b.Matches(0, "MM") && b.U8(2) == 0 && b.U8(3) == '*') return PictureFormat::kTiff;
  if (b.Matches(0, "FORM") && b.Matches(8, "ILBM")) return PictureFormat::kIff;
  if (b.Matches(0, "RIFF") && b.Matches(8, "ACON")) return PictureFormat::kAni;
  if (b.U16le(0) == 0 && b.U16le(2) == 1) return PictureFormat::kIco;
  if (b.U16le(0) == 0 && b.U16le(2) == 2) return PictureFormat::kCur;
  if (b.Matches(0, "/* XPM */")) return PictureFormat::kXpm;
  if (b.U8(0) == 0x0A) return PictureFormat::kPcx;
  if (b.U8(0) == 'P' && (b.U8(1) == '2' || b.U8(1) == '3' || b.U8(1) == '5' || b.U8(1) == '6') &&
      b.Has(2, 1) && IsSpace(b.At(2))) {
    return PictureFormat::kPnm;
  }
  if (LooksLikeTga(b)) return PictureFormat::kTga;
  return PictureFormat::kUnknown;
}

void TallyFormat(PictureFormat format, const Bytes& b, SizeTally& tally) {
  switch (format) {
    case PictureFormat::kBmp: return TallyDib(b, 14, false, tally);
    case PictureFormat::kPng: return TallyPng(b, 0, tally);
    case PictureFormat::kJpeg: return TallyJpeg(b, tally);
    case PictureFormat::kGif: return TallyGif(b, tally);
    case PictureFormat::kTiff: return TallyTiff(b, tally);
    case PictureFormat::kIff: return TallyIff(b, tally);
    case PictureFormat::kAni: return TallyAnimatedCursor(b, tally);
    case PictureFormat::kIco:
    case PictureFormat::kCur: return TallyIcon(b, tally);
    case PictureFormat::kXpm: return TallyXpm(b, tally);
    case PictureFormat::kPcx: return TallyPcx(b, tally);
    case PictureFormat::kPnm: return TallyPnm(b, tally);
    case PictureFormat::kTga: return TallyTga(b, tally);
    case PictureFormat::kUnknown: return tally.MarkEmpty();
  }
}

}  // namespace

SizeVerdict JudgeSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return SizeVerdict::kEmpty;
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
    return SizeVerdict::kTooLarge;
  }
  return SizeVerdict::kFits;
}

bool DecodeGifFirstFrame(const std::uint8_t* data, std::size_t size, RgbPicture* picture) {
  const Bytes b(data, size);
  if (Identify(b) != PictureFormat::kGif) return false;
  const std::size_t globalBytes = ColourTableBytes(b.U8(10));
  std::size_t pos = 13 + globalBytes;
  while (b.Has(pos, 1) && b.At(pos) == 0x21) pos = SkipSubBlocks(b, pos + 2);
  if (!b.Has(pos, 10) || b.At(pos) != 0x2C) return false;
  const int width = static_cast<int>(b.U16le(pos + 5)), height = static_cast<int>(b.U16le(pos + 7));
  const std::int64_t flags = b.U8(pos + 9);
  if (JudgeSize(width, height) != SizeVerdict::kFits) return false;
  const std::size_t localBytes = ColourTableBytes(flags);
  const std::size_t palette = localBytes != 0 ? pos + 10 : 13;
  const std::size_t paletteBytes = localBytes != 0 ? localBytes : globalBytes;
  pos += 10 + localBytes;
  if (paletteBytes == 0 || !b.Has(palette, paletteBytes) || !b.Has(pos, 1)) return false;

  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height, 0);
  if (!DecodeLzw(GatherSubBlocks(b, pos + 1), b.At(pos), indices)) return false;
  picture->width = width;
  picture->height = height;
  picture->rgb.assign(indices.size() * 3, 0);
  const std::vector<int> rows = GifRowOrder(height, (flags & 0x40) != 0);
  const std::size_t colours = paletteBytes / 3;
  for (int k = 0; k < height; ++k) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = indices[static_cast<std::size_t>(k) * width + x];
      if (index >= colours) continue;  // no such colour: black
      const std::size_t to = (static_cast<std::size_t>(rows[k]) * width + x) * 3;
      for (int c = 0; c < 3; ++c) picture->rgb[to + c] = b.At(palette + 3 * index + c);
    }
  }
  return true;
}

std::vector<std::string> XpmLines(const std::uint8_t* data, std::size_t size) {
  return ReadXpmLines(Bytes(data, size));
}

std::vector<std::uint8_t> CanonicalPnm(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes(data, size);
  PnmHeader header;
  if (Identify(bytes) != PictureFormat::kPnm || !ReadPnmHeader(bytes, &header)) return {};
  const std::string head = "P" + std::string(1, static_cast<char>(data[1])) + "\n" +
                           std::to_string(header.width) + " " + std::to_string(header.height) +
                           "\n" + std::to_string(header.maxval) + "\n";
  std::vector<std::uint8_t> result(head.begin(), head.end());
  if (header.dataOffset < size) result.insert(result.end(), data + header.dataOffset, data + size);
  return result;
}

PictureCheck CheckPicture(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes(data, size);
  PictureCheck check;
  check.format = Identify(bytes);
  SizeTally tally;
  TallyFormat(check.format, bytes, tally);
  check.verdict = tally.Verdict();
  // TGA has no signature: its first bytes can look like a cursor or PCX header.
  if (check.verdict == SizeVerdict::kEmpty && check.format != PictureFormat::kTga &&
      LooksLikeTga(bytes)) {
    SizeTally tga;
    TallyFormat(PictureFormat::kTga, bytes, tga);
    if (tga.Verdict() != SizeVerdict::kEmpty) check = {PictureFormat::kTga, tga.Verdict()};
  }
  return check;
}

}  // namespace vt::picture
