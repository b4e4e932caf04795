// Writes a small picture in every format the image library can save, into the
// folder given, as the fuzzer's starting corpus.
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void PutU32(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string Chunk(const std::string& id, const std::string& data) {
  std::string s = id;
  PutU32(s, static_cast<std::uint32_t>(data.size()));
  s += data;
  if (data.size() % 2) s.push_back('\0');
  return s;
}

// An animated cursor (which the library reads but cannot write) holding one icon.
bool WriteAnimatedCursor(const std::string& icoPath, const std::string& path) {
  std::ifstream in(icoPath, std::ios::binary);
  const std::string icon((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (icon.empty()) return false;
  std::string header;
  for (std::uint32_t v : {36u, 1u, 1u, 0u, 0u, 0u, 0u, 10u, 1u}) PutU32(header, v);
  const std::string body = "ACON" + Chunk("anih", header) + Chunk("LIST", "fram" + Chunk("icon", icon));
  std::ofstream(path, std::ios::binary) << Chunk("RIFF", body);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: picture_seeds FOLDER\n");
    return 2;
  }
  wxInitializer init;
  wxInitAllImageHandlers();
  wxLogNull quiet;
  wxImage image(24, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) image.SetRGB(x, y, x * 10, y * 15, (x + y) * 6);
  }
  const struct {
    const char* name;
    wxBitmapType type;
  } formats[] = {{"seed.bmp", wxBITMAP_TYPE_BMP}, {"seed.png", wxBITMAP_TYPE_PNG},
                 {"seed.jpg", wxBITMAP_TYPE_JPEG}, {"seed.pcx", wxBITMAP_TYPE_PCX},
                 {"seed.pnm", wxBITMAP_TYPE_PNM}, {"seed.tif", wxBITMAP_TYPE_TIFF},
                 {"seed.xpm", wxBITMAP_TYPE_XPM}, {"seed.ico", wxBITMAP_TYPE_ICO},
                 {"seed.cur", wxBITMAP_TYPE_CUR}, {"seed.tga", wxBITMAP_TYPE_TGA}};
  int written = 0;
  for (const auto& f : formats) {
    wxImage copy = image.Copy();
    if (copy.SaveFile(wxString(argv[1]) + "/" + f.name, f.type)) ++written;
  }
  const std::string folder = argv[1];
  if (WriteAnimatedCursor(folder + "/seed.ico", folder + "/seed.ani")) ++written;
  // Formats the library reads but cannot write here, as bytes.
  static const unsigned char kGif[] = {  // 6 x 4
      0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x06, 0x00, 0x04, 0x00, 0xf1, 0x00, 0x00, 0xff,
      0x00, 0x00, 0xaa, 0x00, 0x55, 0x55, 0x00, 0xaa, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x04, 0x00,
      0x00, 0x02, 0x07, 0x84, 0x1f, 0xa9, 0xc2, 0x3d, 0x0f, 0x0b, 0x00, 0x3b};
  static const unsigned char kIff[] = {  // 8 x 2, one plane
      0x46, 0x4f, 0x52, 0x4d, 0x00, 0x00, 0x00, 0x3a, 0x49, 0x4c, 0x42, 0x4d, 0x42, 0x4d,
      0x48, 0x44, 0x00, 0x00, 0x00, 0x14, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
      0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0a, 0x0b, 0x00, 0x08, 0x00, 0x02, 0x43, 0x4d,
      0x41, 0x50, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0x42, 0x4f,
      0x44, 0x59, 0x00, 0x00, 0x00, 0x04, 0xaa, 0x00, 0x55, 0x00};
  std::ofstream(folder + "/seed.gif", std::ios::binary)
      .write(reinterpret_cast<const char*>(kGif), sizeof kGif);
  std::ofstream(folder + "/seed.iff", std::ios::binary)
      .write(reinterpret_cast<const char*>(kIff), sizeof kIff);
  written += 2;
  printf("%d seed pictures written\n", written);
  return written > 0 ? 0 : 1;
}
