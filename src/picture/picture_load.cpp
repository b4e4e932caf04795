#include "picture/picture_load.h"

#include <wx/intl.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/xpmdecod.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "picture/picture_file.h"

namespace vt::picture {

namespace {

wxBitmapType HandlerType(PictureFormat format) {
  switch (format) {
    case PictureFormat::kBmp: return wxBITMAP_TYPE_BMP;
    case PictureFormat::kIco: return wxBITMAP_TYPE_ICO;
    case PictureFormat::kCur: return wxBITMAP_TYPE_CUR;
    case PictureFormat::kAni: return wxBITMAP_TYPE_ANI;
    case PictureFormat::kPng: return wxBITMAP_TYPE_PNG;
    case PictureFormat::kJpeg: return wxBITMAP_TYPE_JPEG;
    case PictureFormat::kGif: return wxBITMAP_TYPE_GIF;
    case PictureFormat::kPcx: return wxBITMAP_TYPE_PCX;
    case PictureFormat::kTga: return wxBITMAP_TYPE_TGA;
    case PictureFormat::kPnm: return wxBITMAP_TYPE_PNM;
    case PictureFormat::kTiff: return wxBITMAP_TYPE_TIFF;
    case PictureFormat::kIff: return wxBITMAP_TYPE_IFF;
    case PictureFormat::kXpm: return wxBITMAP_TYPE_XPM;
    case PictureFormat::kUnknown: break;
  }
  return wxBITMAP_TYPE_INVALID;
}

// XPM goes straight to the decoder's line reader (see XpmLines).
wxImage DecodeXpm(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = XpmLines(data, size);
  std::vector<const char*> pointers;
  for (const std::string& line : lines) pointers.push_back(line.c_str());
  pointers.push_back(nullptr);
  return wxXPMDecoder().ReadData(pointers.data());
}

wxImage DecodeGif(const std::uint8_t* data, std::size_t size) {
  RgbPicture frame;
  if (!DecodeGifFirstFrame(data, size, &frame)) return wxImage();
  wxImage image(frame.width, frame.height, false);
  std::copy(frame.rgb.begin(), frame.rgb.end(), image.GetData());
  return image;
}

LoadedPicture Status(LoadStatus status) {
  LoadedPicture result;
  result.status = status;
  return result;
}

// The document works on plain RGB: transparency is dropped.
wxImage PlainRgb(wxImage image) {
  if (image.HasAlpha()) image.ClearAlpha();
  image.SetMask(false);
  return image;
}

}  // namespace

LoadedPicture DecodePicture(const std::uint8_t* data, std::size_t size) {
  const PictureCheck check = CheckPicture(data, size);
  if (check.verdict == SizeVerdict::kTooLarge) return Status(LoadStatus::kTooLarge);
  if (check.verdict == SizeVerdict::kEmpty) {
    if (check.format == PictureFormat::kUnknown) wxLogError(_("Unknown image data format."));
    return Status(LoadStatus::kEmpty);
  }
  const wxBitmapType type = HandlerType(check.format);
  if (wxImage::FindHandler(type) == nullptr) wxInitAllImageHandlers();

  std::vector<std::uint8_t> canonical;
  if (check.format == PictureFormat::kPnm) {
    canonical = CanonicalPnm(data, size);
    data = canonical.data();
    size = canonical.size();
  }
  wxImage image;
  if (check.format == PictureFormat::kXpm) {
    image = DecodeXpm(data, size);
  } else if (check.format == PictureFormat::kGif) {
    image = DecodeGif(data, size);
  } else {
    wxMemoryInputStream stream(data, size);
    if (!image.LoadFile(stream, type)) image = wxImage();
  }
  if (!image.IsOk()) return Status(LoadStatus::kEmpty);
  // The decoder's own idea of the size must agree with what was checked.
  const SizeVerdict decoded = JudgeSize(image.GetWidth(), image.GetHeight());
  if (decoded != SizeVerdict::kFits) {
    return Status(decoded == SizeVerdict::kTooLarge ? LoadStatus::kTooLarge : LoadStatus::kEmpty);
  }
  LoadedPicture result;
  result.status = LoadStatus::kLoaded;
  result.image = PlainRgb(image);
  return result;
}

LoadedPicture LoadPicture(const wxString& path) {
  namespace fs = std::filesystem;
  const fs::path file(static_cast<const char*>(path.fn_str()));
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (ec || !fs::exists(status)) return Status(LoadStatus::kMissing);
  if (!fs::is_regular_file(status)) return Status(LoadStatus::kNotAFile);
  const std::uintmax_t bytes = fs::file_size(file, ec);
  if (ec) return Status(LoadStatus::kNotAFile);
  if (bytes < kMinFileBytes) return Status(LoadStatus::kTooShort);
  if (bytes > kMaxFileBytes) return Status(LoadStatus::kTooLarge);

  std::vector<std::uint8_t> content(static_cast<std::size_t>(bytes));
  std::ifstream in(file, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(bytes))) {
    return Status(LoadStatus::kNotAFile);
  }
  return DecodePicture(content.data(), content.size());
}

}  // namespace vt::picture
