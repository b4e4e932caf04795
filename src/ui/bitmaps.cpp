// Built-in pictures of the tool bars, the palette editor and the About box.
#include "ui/vantorelrc_wdr.h"

#include <wx/image.h>

namespace {

const size_t kKnownPictures[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                                 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47};

bool IsKnownPicture(size_t index) {
  for (size_t known : kKnownPictures)
    if (known == index) return true;
  return false;
}

}  // namespace

wxBitmap MyBitmapsFunc(size_t index) {
  if (index == static_cast<size_t>(ID_MAINFRAME)) index = 25;
  if (!IsKnownPicture(index)) return wxNullBitmap;
  wxImage image(24, 24);
  const unsigned char shade = static_cast<unsigned char>(80 + 3 * index);
  image.SetRGB(wxRect(0, 0, 24, 24), shade, shade, 200);
  return wxBitmap(image);
}
