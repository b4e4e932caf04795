// Reading picture files into images, with the checks that keep a bad file
// from crashing the program or making it allocate gigabytes. No windows here.
#pragma once

#include <wx/image.h>
#include <wx/string.h>

#include <cstddef>
#include <cstdint>

namespace vt::picture {

enum class LoadStatus {
  kLoaded,    // image holds the picture
  kMissing,   // nothing at the path
  kNotAFile,  // a folder, a device, or unreadable
  kTooShort,  // fewer than kMinFileBytes bytes
  kTooLarge,  // file or claimed picture beyond the limits
  kEmpty,     // nothing could be decoded
};

struct LoadedPicture {
  LoadStatus status = LoadStatus::kEmpty;
  wxImage image;  // RGB, no alpha or mask; valid only when kLoaded
};

// Decodes a picture held in memory; the format is found from the content.
LoadedPicture DecodePicture(const std::uint8_t* data, std::size_t size);

// Reads and decodes the picture file at path.
LoadedPicture LoadPicture(const wxString& path);

}  // namespace vt::picture
