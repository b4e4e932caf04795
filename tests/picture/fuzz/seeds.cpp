// Writes a small picture in every format the image library can save, into the
// folder given, as the fuzzer's starting corpus.
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>

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
                 {"seed.cur", wxBITMAP_TYPE_CUR}, {"seed.tga", wxBITMAP_TYPE_TGA},
                 {"seed.gif", wxBITMAP_TYPE_GIF}};
  int written = 0;
  for (const auto& f : formats) {
    wxImage copy = image.Copy();
    if (f.type == wxBITMAP_TYPE_GIF) copy.ConvertAlphaToMask();
    if (copy.SaveFile(wxString(argv[1]) + "/" + f.name, f.type)) ++written;
  }
  printf("%d seed pictures written\n", written);
  return written > 0 ? 0 : 1;
}
