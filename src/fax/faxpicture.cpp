// Writing the reception image: the ".dib" reception file and a PNG copy.
#include "fax/faxpicture.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include <zlib.h>

#include "app/messages.h"

namespace vt::fax {

namespace {

void PutU16(std::vector<unsigned char>& out, uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}

void PutU32LE(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

void PutU32BE(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 3; i >= 0; --i) out.push_back((v >> (8 * i)) & 0xFF);
}

// "BM", the 52-byte file and information header, and the grey palette.
std::vector<unsigned char> BmpHeader(uint32_t width, uint32_t height) {
  std::vector<unsigned char> h;
  h.reserve(kBmpOffset);
  h.push_back('B');
  h.push_back('M');
  const uint32_t datasize = width * height;
  PutU32LE(h, kBmpOffset + datasize);  // filesize
  PutU32LE(h, 0);                      // reserved
  PutU32LE(h, kBmpOffset);             // offset
  PutU32LE(h, 40);                     // headersize
  PutU32LE(h, width);
  PutU32LE(h, height);
  PutU16(h, 1);  // planes
  PutU16(h, 8);  // bitsperpix
  PutU32LE(h, 0);  // compression
  PutU32LE(h, datasize);
  PutU32LE(h, 0);  // hres
  PutU32LE(h, 0);  // vres
  PutU32LE(h, 256);
  PutU32LE(h, 256);
  for (int i = 0; i < 256; ++i) {
    h.insert(h.end(), {static_cast<unsigned char>(i), static_cast<unsigned char>(i),
                       static_cast<unsigned char>(i), 0});
  }
  return h;
}

bool WriteAll(int fd, const unsigned char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Writes bytes to a new file at path (created or truncated, mode 0666 before the umask).
class OutFile {
 public:
  explicit OutFile(const std::string& path)
      : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666)) {}
  ~OutFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OutFile(const OutFile&) = delete;
  OutFile& operator=(const OutFile&) = delete;
  bool ok() const { return fd_ >= 0 && ok_; }
  void Write(const unsigned char* data, size_t size) {
    if (ok()) ok_ = WriteAll(fd_, data, size);
  }
  void Write(const std::vector<unsigned char>& bytes) { Write(bytes.data(), bytes.size()); }
  bool Close() {
    if (fd_ < 0) return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return ok_ && closed;
  }

 private:
  int fd_;
  bool ok_ = true;
};

void PngChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
  PutU32BE(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  PutU32BE(out, static_cast<uint32_t>(crc));
}

bool ReportCannotWrite(const std::string& path) {
  vt::ShowMessage("Cannot write the picture file " + path);
  return false;
}

}  // namespace

int SavedRows(const FaxImage& image, unsigned long pixy) {
  if (pixy < 3 || image.Empty()) return 0;
  // Rows pixy - 2 down to 1, never beyond the image.
  const unsigned long last = std::min<unsigned long>(pixy - 2, image.height - 1);
  return static_cast<int>(last);
}

bool WriteBmp(const FaxImage& image, unsigned long pixy, const std::string& path) {
  const int rows = SavedRows(image, pixy);
  if (rows <= 0) return false;
  OutFile file(path);
  if (!file.ok()) return ReportCannotWrite(path);
  file.Write(BmpHeader(image.width, rows));
  for (int y = rows; y >= 1; --y) file.Write(image.Row(y), image.width);
  if (!file.Close()) return ReportCannotWrite(path);
  return true;
}

bool WritePng(const FaxImage& image, unsigned long pixy, const std::string& path) {
  const int rows = SavedRows(image, pixy);
  if (rows <= 0) return false;
  // Each row gets filter byte 0 (none) in front.
  std::vector<unsigned char> raw;
  raw.reserve(static_cast<size_t>(rows) * (image.width + 1));
  for (int y = 1; y <= rows; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), image.Row(y), image.Row(y) + image.width);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<unsigned char> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) {
    return false;
  }
  packed.resize(packedSize);

  std::vector<unsigned char> ihdr;
  PutU32BE(ihdr, static_cast<uint32_t>(image.width));
  PutU32BE(ihdr, static_cast<uint32_t>(rows));
  ihdr.insert(ihdr.end(), {8, 0, 0, 0, 0});  // 8-bit greyscale, deflate, no filter, no interlace
  std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PngChunk(png, "IHDR", ihdr);
  PngChunk(png, "IDAT", packed);
  PngChunk(png, "IEND", {});

  OutFile file(path);
  file.Write(png);
  if (!file.Close()) return ReportCannotWrite(path);
  return true;
}

}  // namespace vt::fax
