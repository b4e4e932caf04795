// Stand-in when the program is built without libpng: PGM pictures only.
#include "wefaxgen.h"

namespace vt {

bool PngSupported() { return false; }

bool ReadPng(const std::string& path, GreyPicture&, std::string& error) {
  error = path + ": this build reads PGM pictures only (no PNG support)";
  return false;
}

bool WritePng(const std::string& path, const GreyPicture&, std::string& error) {
  error = "cannot write " + path + ": this build has no PNG support";
  return false;
}

}  // namespace vt
