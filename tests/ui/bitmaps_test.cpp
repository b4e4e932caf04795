// Built-in pictures: sizes, the About alias, unknown indices, and tool icons that differ.
#include <gtest/gtest.h>

#include <wx/wx.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ui/vantorelrc_wdr.h"

namespace {

// Pictures shown on the three tool bars.
const size_t kToolPictures[] = {1,  2,  3,  37, 4,  6,  38, 39, 7,  8,  9,  11, 10, 12, 13, 14, 15,
                                16, 17, 18, 20, 22, 23, 24, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                                42, 43, 44};

TEST(Pictures, EveryIndexHasAPictureOfItsSize) {
  for (size_t index = 0; index <= 47; ++index) {
    const wxBitmap picture = MyBitmapsFunc(index);
    ASSERT_TRUE(picture.IsOk()) << index;
    const wxSize expected = index == 25 ? wxSize(48, 48) : wxSize(24, 24);
    EXPECT_EQ(expected, picture.GetSize()) << index;
  }
}

TEST(Pictures, MainFrameIdAnswersTheAboutPicture) {
  const wxImage about = MyBitmapsFunc(25).ConvertToImage();
  const wxImage frame = MyBitmapsFunc(ID_MAINFRAME).ConvertToImage();
  ASSERT_TRUE(frame.IsOk());
  ASSERT_EQ(about.GetSize(), frame.GetSize());
  const size_t bytes = static_cast<size_t>(about.GetWidth()) * about.GetHeight() * 3;
  EXPECT_TRUE(std::equal(about.GetData(), about.GetData() + bytes, frame.GetData()));
}

TEST(Pictures, UnknownIndexGivesNullBitmap) {
  for (size_t index : {size_t(48), size_t(49), size_t(ID_INDEX), size_t(ID_MAINFRAME - 1),
                       size_t(ID_MAINFRAME + 1), SIZE_MAX})
    EXPECT_FALSE(MyBitmapsFunc(index).IsOk()) << index;
}

// A blank, filled or copied icon is a drawing mistake a glance at a tool bar would not name.
TEST(Pictures, ToolIconsHaveShapesAndDifferFromEachOther) {
  std::vector<wxImage> images;
  for (size_t index : kToolPictures) {
    wxImage image = MyBitmapsFunc(index).ConvertToImage();
    ASSERT_TRUE(image.HasAlpha()) << index;
    int clear = 0, solid = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) (image.GetAlpha(x, y) == 0 ? clear : solid) += 1;
    EXPECT_GT(clear, 40) << index;
    EXPECT_GT(solid, 40) << index;
    images.push_back(image);
  }
  for (size_t a = 0; a < images.size(); ++a)
    for (size_t b = a + 1; b < images.size(); ++b) {
      int differing = 0;
      for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
          if (images[a].GetAlpha(x, y) != images[b].GetAlpha(x, y) ||
              images[a].GetRed(x, y) != images[b].GetRed(x, y))
            ++differing;
      EXPECT_GT(differing, 12) << kToolPictures[a] << " looks like " << kToolPictures[b];
    }
}

// With VANTOREL_ICON_SHEET=file.png, draws every picture at one and two times its size.
TEST(Pictures, WritesIconSheetWhenAsked) {
  const char* path = std::getenv("VANTOREL_ICON_SHEET");
  if (path == nullptr) GTEST_SKIP() << "set VANTOREL_ICON_SHEET to write the sheet";
  const int cell = 84, columns = 8;
  wxBitmap sheet(columns * cell, 7 * cell, 24);
  wxMemoryDC dc(sheet);
  dc.SetBackground(wxBrush(wxColour(236, 236, 236)));
  dc.Clear();
  for (size_t index = 0; index <= 47; ++index) {
    const int x = static_cast<int>(index % columns) * cell;
    const int y = static_cast<int>(index / columns) * cell;
    dc.DrawText(wxString::Format("%zu", index), x + 4, y + 2);
    wxImage image = MyBitmapsFunc(index).ConvertToImage();
    if (image.GetWidth() != 24) image.Rescale(24, 24, wxIMAGE_QUALITY_HIGH);
    dc.DrawBitmap(wxBitmap(image), x + 4, y + 24, true);
    dc.DrawBitmap(wxBitmap(image.Scale(48, 48)), x + 32, y + 24, true);
  }
  dc.DrawBitmap(MyBitmapsFunc(25), 4, 6 * cell + 4, true);  // the About picture as shown
  dc.SelectObject(wxNullBitmap);
  EXPECT_TRUE(sheet.SaveFile(path, wxBITMAP_TYPE_PNG));
}

}  // namespace
