// Feeds arbitrary bytes to the picture decoder the documents use.
// A crash, an out-of-bounds access, a wx assertion or a picture beyond the
// size limits is a finding.
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "picture/picture_file.h"
#include "picture/picture_load.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  wxInitialize();
  wxInitAllImageHandlers();
  wxLog::EnableLogging(false);
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& msg) {
    fprintf(stderr, "wx assertion %s:%d %s %s\n", static_cast<const char*>(file.utf8_str()), line,
            static_cast<const char*>(cond.utf8_str()), static_cast<const char*>(msg.utf8_str()));
    abort();
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vt::picture::LoadedPicture loaded = vt::picture::DecodePicture(data, size);
  if (loaded.status != vt::picture::LoadStatus::kLoaded) return 0;
  const wxImage& image = loaded.image;
  if (vt::picture::JudgeSize(image.GetWidth(), image.GetHeight()) !=
          vt::picture::SizeVerdict::kFits ||
      image.HasAlpha()) {
    abort();
  }
  // Touch the last pixel so a short pixel buffer shows up.
  volatile unsigned char last =
      image.GetData()[static_cast<std::size_t>(image.GetWidth()) * image.GetHeight() * 3 - 1];
  (void)last;
  return 0;
}
