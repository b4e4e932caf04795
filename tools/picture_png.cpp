// PNG pictures through libpng's simplified interface.
#include <png.h>

#include "wefaxgen.h"

namespace vt {

bool PngSupported() { return true; }

bool ReadPng(const std::string& path, GreyPicture& picture, std::string& error) {
  png_image image = {};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = path + ": " + image.message;
    return false;
  }
  if (image.width < 1 || image.height < 1 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide) {
    png_image_free(&image);
    error = path + ": unsupported PNG size";
    return false;
  }
  // Colour and alpha are flattened to grey over a white background.
  image.format = PNG_FORMAT_GRAY;
  GreyPicture result(static_cast<int>(image.width), static_cast<int>(image.height));
  png_color white = {255, 255, 255};
  if (!png_image_finish_read(&image, &white, result.pixels.data(), 0, nullptr)) {
    error = path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  picture = std::move(result);
  return true;
}

bool WritePng(const std::string& path, const GreyPicture& picture, std::string& error) {
  png_image image = {};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_GRAY;
  if (!png_image_write_to_file(&image, path.c_str(), 0, picture.pixels.data(), 0, nullptr)) {
    error = "cannot write " + path + ": " + image.message;
    return false;
  }
  return true;
}

}  // namespace vt
