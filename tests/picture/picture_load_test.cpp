// Reading picture files from disk: size limits, refusals and pixel layout.
#include <gtest/gtest.h>

#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/picture_load.h"
#include "picture_bytes.h"
#include "test_support.h"

namespace {

using vt::picture::LoadStatus;

class WxImages : public ::testing::Environment {
 public:
  void SetUp() override {
    initializer_ = std::make_unique<wxInitializer>();
    wxInitAllImageHandlers();
    delete wxLog::SetActiveTarget(new wxLogStderr);
  }
  void TearDown() override { initializer_.reset(); }

 private:
  std::unique_ptr<wxInitializer> initializer_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WxImages);

TEST(LoadPicture, RefusesWhatIsNoUsablePicture) {
  vt::test::TempDir dir;
  struct Case {
    const char* name;
    std::string path;
    LoadStatus status;
  };
  std::string almostFull = vt::test::ReceptionFile(2);
  const std::vector<Case> cases = {
      {"missing file", dir.file("none.dib"), LoadStatus::kMissing},
      {"folder", dir.path(), LoadStatus::kNotAFile},
      {"2047 bytes", dir.write("short.dib", std::string(2047, 'x')), LoadStatus::kTooShort},
      {"2048 bytes of junk", dir.write("junk.dib", std::string(2048, 'x')), LoadStatus::kEmpty},
      {"bitmap claiming 100000 x 100000",
       dir.write("huge.dib", vt::test::ReceptionFile(2, 100000, 100000)), LoadStatus::kTooLarge},
      {"png claiming 100000 x 100000", dir.write("huge.png", vt::test::PngHeader(100000, 100000)),
       LoadStatus::kTooLarge},
      {"zero-height bitmap", dir.write("flat.dib", vt::test::ReceptionFile(2, 0)),
       LoadStatus::kEmpty},
  };
  wxLogNull quiet;
  for (const Case& c : cases) {
    EXPECT_EQ(c.status, vt::picture::LoadPicture(c.path).status) << c.name;
  }
}

TEST(LoadPicture, ReceptionFileShowsRowOneOnTopInGrey) {
  vt::test::TempDir dir;
  const std::string path = dir.write("fax.dib", vt::test::ReceptionFile(5));
  const vt::picture::LoadedPicture loaded = vt::picture::LoadPicture(path);
  ASSERT_EQ(LoadStatus::kLoaded, loaded.status);
  ASSERT_EQ(1280, loaded.image.GetWidth());
  ASSERT_EQ(5, loaded.image.GetHeight());
  for (int y = 0; y < 5; ++y) {
    for (int x : {0, 1, 639, 1279}) {
      const int grey = vt::test::GreyAt(y + 1, x);
      EXPECT_EQ(grey, loaded.image.GetRed(x, y)) << x << "," << y;
      EXPECT_EQ(grey, loaded.image.GetGreen(x, y)) << x << "," << y;
      EXPECT_EQ(grey, loaded.image.GetBlue(x, y)) << x << "," << y;
    }
  }
}

TEST(LoadPicture, OpensEveryFormatTheLibraryWrites) {
  // The header checks must not refuse real pictures (noise, so no file is under 2048 bytes).
  wxImage picture(96, 80);
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 96; ++x) {
      const unsigned v = static_cast<unsigned>(x * 2654435761u) ^ static_cast<unsigned>(y * 40503u);
      picture.SetRGB(x, y, v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
  }
  const struct {
    const char* name;
    wxBitmapType type;
  } formats[] = {{"bmp", wxBITMAP_TYPE_BMP}, {"png", wxBITMAP_TYPE_PNG},
                 {"jpg", wxBITMAP_TYPE_JPEG}, {"pcx", wxBITMAP_TYPE_PCX},
                 {"pnm", wxBITMAP_TYPE_PNM},  {"tif", wxBITMAP_TYPE_TIFF},
                 {"xpm", wxBITMAP_TYPE_XPM},  {"tga", wxBITMAP_TYPE_TGA},
                 {"ico", wxBITMAP_TYPE_ICO},  {"cur", wxBITMAP_TYPE_CUR}};
  vt::test::TempDir dir;
  for (const auto& f : formats) {
    const std::string path = dir.file(std::string("picture.") + f.name);
    ASSERT_TRUE(picture.SaveFile(path, f.type)) << f.name;
    const vt::picture::LoadedPicture loaded = vt::picture::LoadPicture(path);
    EXPECT_EQ(LoadStatus::kLoaded, loaded.status) << f.name;
    EXPECT_EQ(96, loaded.image.GetWidth()) << f.name;
    EXPECT_EQ(80, loaded.image.GetHeight()) << f.name;
  }
}

TEST(LoadPicture, TruncatedReceptionFileDoesNotReadPastItsData) {
  // The header promises 2400 rows; only two are there.
  vt::test::TempDir dir;
  const std::string path = dir.write("cut.dib", vt::test::ReceptionFile(2, 2400));
  wxLogNull quiet;
  const vt::picture::LoadedPicture loaded = vt::picture::LoadPicture(path);
  if (loaded.status == LoadStatus::kLoaded) {
    EXPECT_EQ(1280, loaded.image.GetWidth());
    EXPECT_EQ(2400, loaded.image.GetHeight());
  } else {
    EXPECT_EQ(LoadStatus::kEmpty, loaded.status);
  }
}

TEST(DecodePicture, FilesTheFuzzerFoundAreHandledSafely) {
  // Each once crashed or overran the image library; run under ASan in CI.
  wxLogNull quiet;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VT_FUZZ_REGRESSIONS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const vt::picture::LoadedPicture loaded = vt::picture::DecodePicture(data, bytes.size());
    if (loaded.status == LoadStatus::kLoaded) {
      EXPECT_TRUE(loaded.image.IsOk()) << entry.path();
    }
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
