// Picture documents and their views inside the running application.
#include <gtest/gtest.h>

#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/palette.h>
#include <wx/wx.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "picture/vantoreldoc.h"
#include "picture_bytes.h"
#include "test_support.h"
#include "ui/vantorelrc_wdr.h"
#include "view/mycanvas.h"
#include "view/vantorelview.h"
#include "view/zoom.h"

namespace {

using vt::test::GreyAt;
using vt::test::ReceptionFile;

void Pump(int milliseconds = 50) {
  for (int i = 0; i < milliseconds / 10; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

wxDocManager* Docs() { return wxGetApp().m_docManager; }

// Sends a menu command the way a menu or tool bar does: to the main frame.
void Command(int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  wxGetApp().GetMainFrame()->GetEventHandler()->ProcessEvent(event);
}

bool UndoEnabled(vantorelDoc* doc) {
  wxUpdateUIEvent event(ID_UNDO);
  doc->ProcessEvent(event);
  return event.GetSetEnabled() && event.GetEnabled();
}

// A picture whose colours differ in blocks of 8 x 8 pixels, so nearest-neighbour
// scaling cannot blur which block a pixel belongs to.
wxImage Blocks(int width, int height) {
  wxImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.SetRGB(x, y, (x / 8) * 7 % 256, (y / 8) * 5 % 256, (x / 8 + y / 8) % 256);
    }
  }
  return image;
}

// A picture of many colours that does not compress to a tiny file.
wxImage Noise(int width, int height) {
  wxImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned v = static_cast<unsigned>(x * 2654435761u) ^ static_cast<unsigned>(y * 40503u);
      image.SetRGB(x, y, v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
  }
  return image;
}

class PictureDocTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Docs()->CloseDocuments(true);
    Pump();
  }

  vantorelDoc* Open(const std::string& path) {
    auto* doc = wxDynamicCast(Docs()->CreateDocument(path, wxDOC_SILENT), vantorelDoc);
    Pump();
    return doc;
  }

  // Saves the image as a PNG file and opens that the way File Open does.
  vantorelDoc* OpenPng(const wxImage& image, const std::string& name) {
    const std::string path = dir.file(name);
    if (!image.SaveFile(path, wxBITMAP_TYPE_PNG)) return nullptr;
    return Open(path);
  }

  vantorelView* View(vantorelDoc* doc) { return doc->FirstPictureView(); }

  vt::view::Point Scroll(vantorelView* view) {
    int x = 0, y = 0;
    view->canvas->GetViewStart(&x, &y);
    return {x, y};
  }

  void Mouse(vantorelView* view, wxEventType type, wxPoint windowPos, int rotation = 0) {
    wxMouseEvent event(type);
    event.SetPosition(windowPos);
    event.SetEventObject(view->canvas);
    event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK;
    event.m_wheelRotation = rotation;
    event.m_wheelDelta = 120;
    event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    view->canvas->GetEventHandler()->ProcessEvent(event);
  }

  vt::test::TempDir dir;
  vt::test::MessageRecorder messages;
};

TEST_F(PictureDocTest, OpensPicturesAndRefusesTheRest) {
  std::filesystem::create_directory(dir.file("folder.dib"));
  struct Case {
    const char* name;
    std::string path;
    std::string message;  // empty: none expected
    int width, height;    // 0: refused
  };
  const std::vector<Case> cases = {
      {"2047 bytes", dir.write("a.dib", std::string(2047, 'x')), "Invalid Fax File", 0, 0},
      {"2048 bytes of junk", dir.write("b.dib", std::string(2048, 'x')),
       "Warning - empty Weather Fax image", 0, 0},
      {"reception of three lines", dir.write("c.dib", ReceptionFile(1)), "", 1280, 1},
      {"bitmap claiming 100000 x 100000", dir.write("d.dib", ReceptionFile(1, 100000, 100000)),
       "Picture too large to open", 0, 0},
      {"zero-height bitmap", dir.write("e.dib", ReceptionFile(2, 0)),
       "Warning - empty Weather Fax image", 0, 0},
      {"folder", dir.file("folder.dib"), "Invalid Fax File", 0, 0},
      {"missing file", dir.file("none.dib"), "", 0, 0},
  };
  for (const Case& c : cases) {
    messages.texts.clear();
    const size_t before = Docs()->GetDocuments().GetCount();
    vantorelDoc* doc = Open(c.path);
    if (c.width == 0) {
      EXPECT_EQ(nullptr, doc) << c.name;
      EXPECT_EQ(before, Docs()->GetDocuments().GetCount()) << c.name;
    } else {
      ASSERT_NE(nullptr, doc) << c.name;
      EXPECT_EQ(c.width, doc->m_hDIB.GetWidth()) << c.name;
      EXPECT_EQ(c.height, doc->m_hDIB.GetHeight()) << c.name;
    }
    const std::vector<std::string> expected =
        c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message};
    EXPECT_EQ(expected, messages.texts) << c.name;
  }
}

TEST_F(PictureDocTest, ReceptionFileOpensAtFullSizeWithRowOneOnTop) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(3)));
  ASSERT_NE(nullptr, doc);
  ASSERT_EQ(3, doc->ht);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(GreyAt(y + 1, 5), doc->m_hDIB.GetRed(5, y)) << y;
  EXPECT_EQ(GreyAt(1, 7), doc->tempmap[7]);  // the index map follows the picture
  vantorelView* view = View(doc);
  ASSERT_NE(nullptr, view);
  EXPECT_EQ(1280, view->zoomx);
  EXPECT_EQ(3, view->zoomy);
  EXPECT_EQ(1, view->zoomfact);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(PictureDocTest, PngOpensAsPictureDocument) {
  vantorelDoc* doc = OpenPng(Noise(64, 48), "chart.png");
  ASSERT_NE(nullptr, doc);
  EXPECT_EQ(64, doc->m_hDIB.GetWidth());
  EXPECT_EQ(Noise(64, 48).GetBlue(40, 40), doc->m_hDIB.GetBlue(40, 40));
}

TEST_F(PictureDocTest, GifOpensWithTheSamePixelsAsTheLibraryReads) {
  // GIF is decoded by the program itself; a valid file must look as the library shows it.
  unsigned char r[16], g[16], b[16];
  for (int c = 0; c < 16; ++c) {
    r[c] = static_cast<unsigned char>(c * 16);
    g[c] = static_cast<unsigned char>(255 - c * 16);
    b[c] = static_cast<unsigned char>(c * 8);
  }
  wxImage stripes(300, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const int c = (x / 7 + y / 5 + (x * y) % 3) % 16;
      stripes.SetRGB(x, y, r[c], g[c], b[c]);
    }
  }
  stripes.SetPalette(wxPalette(16, r, g, b));
  const std::string path = dir.file("stripes.gif");
  ASSERT_TRUE(stripes.SaveFile(path, wxBITMAP_TYPE_GIF));
  wxImage reference;
  ASSERT_TRUE(reference.LoadFile(path, wxBITMAP_TYPE_GIF));
  vantorelDoc* doc = OpenPictureDocument(Docs(), path);
  ASSERT_NE(nullptr, doc);
  ASSERT_EQ(reference.GetWidth(), doc->m_hDIB.GetWidth());
  ASSERT_EQ(reference.GetHeight(), doc->m_hDIB.GetHeight());
  EXPECT_EQ(0, memcmp(reference.GetData(), doc->m_hDIB.GetData(), 300 * 200 * 3));
}

TEST_F(PictureDocTest, SaveAsKeepsPixelsThroughReopening) {
  vantorelDoc* grey = Open(dir.write("fax.dib", ReceptionFile(4)));
  ASSERT_NE(nullptr, grey);
  vantorelDoc* colour = OpenPng(Noise(200, 100), "colour.png");
  ASSERT_NE(nullptr, colour);

  for (vantorelDoc* doc : {grey, colour}) {
    const wxImage before = doc->m_hDIB.Copy();
    const std::string copy = dir.file(doc == grey ? "grey-copy.dib" : "colour-copy.dib");
    ASSERT_TRUE(doc->OnSaveDocument(copy));
    vantorelDoc* reopened = Open(copy);
    ASSERT_NE(nullptr, reopened) << copy;
    ASSERT_EQ(before.GetWidth(), reopened->m_hDIB.GetWidth());
    ASSERT_EQ(before.GetHeight(), reopened->m_hDIB.GetHeight());
    const size_t bytes = static_cast<size_t>(before.GetWidth()) * before.GetHeight() * 3;
    EXPECT_EQ(0, memcmp(before.GetData(), reopened->m_hDIB.GetData(), bytes)) << copy;
  }
  // A place that cannot be written is not reported as saved.
  wxLogNull quiet;
  EXPECT_FALSE(grey->OnSaveDocument(dir.file("no/such/folder/x.dib")));
}

TEST_F(PictureDocTest, UndoRestoresThePictureAsOpenedOnce) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(2)));
  ASSERT_NE(nullptr, doc);
  EXPECT_TRUE(UndoEnabled(doc));
  doc->m_hDIB.SetRGB(10, 1, 1, 2, 3);  // an edit
  Command(ID_UNDO);
  EXPECT_EQ(GreyAt(2, 10), doc->m_hDIB.GetRed(10, 1));
  EXPECT_EQ(GreyAt(2, 10), doc->m_hDIB.GetBlue(10, 1));
  EXPECT_FALSE(UndoEnabled(doc));
}

TEST_F(PictureDocTest, NewPictureIsBlackFullFaxWithoutUndo) {
  wxDocTemplate* pictures = Docs()->FindTemplateForPath("x.dib");
  ASSERT_NE(nullptr, pictures);
  auto* doc = wxDynamicCast(pictures->CreateDocument("", wxDOC_NEW), vantorelDoc);
  ASSERT_NE(nullptr, doc);
  ASSERT_TRUE(doc->OnNewDocument());
  EXPECT_EQ(1280, doc->m_hDIB.GetWidth());
  EXPECT_EQ(2400, doc->m_hDIB.GetHeight());
  EXPECT_EQ(0, doc->m_hDIB.GetRed(640, 1200));
  EXPECT_EQ(9216000u, doc->holdDIB.size());
  EXPECT_EQ(3072000u, doc->tempmap.size());
  EXPECT_FALSE(UndoEnabled(doc));
  EXPECT_EQ(2400, View(doc)->zoomy);
}

TEST_F(PictureDocTest, SameFileTwiceIsOneRecentFile) {
  const std::string path = dir.write("fax.dib", ReceptionFile(1));
  ASSERT_NE(nullptr, Open(path));
  ASSERT_NE(nullptr, Open(path));
  wxFileHistory* history = Docs()->GetFileHistory();
  int entries = 0;
  for (size_t i = 0; i < history->GetCount(); ++i) entries += history->GetHistoryFile(i) == path;
  EXPECT_EQ(1, entries);
  // A file that does not open is not offered again.
  Open(dir.write("junk.dib", std::string(4096, 'x')));
  for (size_t i = 0; i < history->GetCount(); ++i) {
    EXPECT_EQ(wxString::npos, history->GetHistoryFile(i).find("junk.dib"));
  }
}

TEST_F(PictureDocTest, WorkingFolderAsksUntilConfirmedAndStoresTrailingSlash) {
  ASSERT_NE(nullptr, Open(dir.write("fax.dib", ReceptionFile(1))));
  std::vector<wxString> offered = {"/data/other", "/data/fax"};
  size_t next = 0;
  const auto saved = vantorelDoc::FolderChooser;
  vantorelDoc::FolderChooser = [&] { return next < offered.size() ? offered[next++] : wxString(); };
  std::vector<std::string> asked;
  const vt::MessageHandler recorder = vt::SetMessageHandler(
      [&](const std::string& text, const std::string& caption, long) {
        asked.push_back(caption + ": " + text);
        return asked.size() == 1 ? vt::kAnswerNo : vt::kAnswerYes;
      });
  Command(ID_WORKINGFOLDER);
  EXPECT_EQ((std::vector<std::string>{"Confirm Working Directory: Confirm ? /data/other",
                                      "Confirm Working Directory: Confirm ? /data/fax"}),
            asked);
  EXPECT_EQ("/data/fax/", wxGetApp().config->Read("DefaultDirectory", ""));
  EXPECT_EQ("/data/fax/", wxGetApp().DefDir);
  EXPECT_EQ("/data/fax/", Docs()->GetLastDirectory());

  // Cancelling the chooser changes nothing.
  Command(ID_WORKINGFOLDER);
  EXPECT_EQ("/data/fax/", wxGetApp().config->Read("DefaultDirectory", ""));
  vt::SetMessageHandler(recorder);
  vantorelDoc::FolderChooser = saved;
}

TEST_F(PictureDocTest, DeleteRemovesTheFileOnlyWhenConfirmed) {
  const std::string path = dir.write("fax.dib", ReceptionFile(1));
  ASSERT_NE(nullptr, Open(path));
  messages.answer = vt::kAnswerNo;
  Command(ID_DELETE);
  EXPECT_EQ(std::vector<std::string>{"Confirm Delete?"}, messages.texts);
  EXPECT_TRUE(vt::test::FileExists(path));
  EXPECT_EQ(1u, Docs()->GetDocuments().GetCount());

  messages.answer = vt::kAnswerYes;
  Command(ID_DELETE);
  Pump();
  EXPECT_FALSE(vt::test::FileExists(path));
  EXPECT_EQ(0u, Docs()->GetDocuments().GetCount());
}

TEST_F(PictureDocTest, ZoomOutThenToolDoubleClickReturnsToFullSizeCentred) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(2400)));
  ASSERT_NE(nullptr, doc);
  vantorelView* view = View(doc);
  Command(ID_ZOOMOUT);
  EXPECT_EQ(1024, view->zoomx);
  EXPECT_EQ(1920, view->zoomy);
  EXPECT_EQ(2, view->zoomfact);

  Command(ID_ZOOMIN);  // selects the zoom tool
  EXPECT_EQ(2, doc->cursel);
  view->canvas->Scroll(0, 0);
  const wxSize client = view->canvas->GetClientSize();
  Mouse(view, wxEVT_LEFT_DCLICK, {512, 960});
  EXPECT_EQ(1280, view->zoomx);
  EXPECT_EQ(2400, view->zoomy);
  EXPECT_EQ(1, view->zoomfact);
  EXPECT_EQ(0, doc->cursel);  // back to the hand
  // (240, 900) for an 800 x 600 window; the window keeps the scroll inside the picture.
  const vt::view::Point t = vt::view::ZoomToolTarget({1024, 1920, 2}, {1280, 2400}, {0, 0},
                                                     {512, 960}, {client.x, client.y});
  EXPECT_EQ(std::min(t.x, 1280 - client.x), Scroll(view).x);
  EXPECT_EQ(std::min(t.y, 2400 - client.y), Scroll(view).y);
}

TEST_F(PictureDocTest, ZoomToolDoublesTwiceAndNormalViewKeepsZoomState) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(2400)));
  ASSERT_NE(nullptr, doc);
  vantorelView* view = View(doc);
  for (int i = 0; i < 2; ++i) {
    Command(ID_ZOOMIN);
    Mouse(view, wxEVT_LEFT_DCLICK, {10, 10});
  }
  EXPECT_EQ(5120, view->zoomx);
  EXPECT_EQ(9600, view->zoomy);
  EXPECT_EQ(0, view->zoomfact);

  // Zoom out from full size, back to normal view, then zoom in: full size, not double.
  Command(ID_NORMAL);
  view->zoomfact = 1;
  Command(ID_ZOOMOUT);
  Command(ID_NORMAL);
  EXPECT_EQ(1280, view->zoomx);
  EXPECT_EQ(2, view->zoomfact);
  Command(ID_POPUP_ZOOMIN);
  EXPECT_EQ(1280, view->zoomx);
  EXPECT_EQ(2400, view->zoomy);
}

TEST_F(PictureDocTest, WheelAndHandToolScroll) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(2400)));
  ASSERT_NE(nullptr, doc);
  vantorelView* view = View(doc);
  view->canvas->Scroll(0, 500);
  Mouse(view, wxEVT_MOUSEWHEEL, {10, 10}, 120);
  EXPECT_EQ(380, Scroll(view).y);
  view->canvas->Scroll(0, 50);
  Mouse(view, wxEVT_MOUSEWHEEL, {10, 10}, 120);
  EXPECT_EQ(0, Scroll(view).y);

  // Drag from canvas (600, 400) to (500, 300) with the window at (200, 200).
  view->canvas->Scroll(200, 200);
  Mouse(view, wxEVT_LEFT_DOWN, {400, 200});
  Mouse(view, wxEVT_MOTION, {350, 150});
  Mouse(view, wxEVT_LEFT_UP, {300, 100});
  EXPECT_EQ(300, Scroll(view).x);
  EXPECT_EQ(300, Scroll(view).y);
}

TEST_F(PictureDocTest, DrawsThePictureAtEveryScale) {
  const wxImage picture = Blocks(1280, 960);
  vantorelDoc* doc = OpenPng(picture, "blocks.png");
  ASSERT_NE(nullptr, doc);
  vantorelView* view = View(doc);
  const wxSize client = view->canvas->GetClientSize();
  ASSERT_GT(client.x, 100);
  ASSERT_GT(client.y, 100);

  struct Case {
    const char* name;
    int zoomIns;
    vt::view::Point scroll;
  };
  for (const Case& c : {Case{"full size", 0, {40, 80}}, Case{"zoomed twice", 2, {1000, 2000}}}) {
    Command(ID_NORMAL);
    view->zoomfact = 1;
    for (int i = 0; i < c.zoomIns; ++i) view->OnZoom2x();
    view->canvas->Scroll(c.scroll.x, c.scroll.y);
    const vt::view::Point s = Scroll(view);
    const int scale = view->zoomx / 1280;
    wxBitmap shot(client.x, client.y, 24);
    {
      wxMemoryDC dc(shot);
      dc.SetDeviceOrigin(-s.x, -s.y);  // as the canvas prepares its dc
      view->OnDraw(&dc);
    }
    const wxImage seen = shot.ConvertToImage();
    for (wxPoint w : {wxPoint(4, 4), wxPoint(client.x / 2, client.y / 3), wxPoint(90, 60)}) {
      const int px = (s.x + w.x) / scale, py = (s.y + w.y) / scale;
      // Compare block centres only: scaling may move an edge by a pixel.
      if (px % 8 < 2 || px % 8 > 5 || py % 8 < 2 || py % 8 > 5) continue;
      EXPECT_EQ(picture.GetRed(px, py), seen.GetRed(w.x, w.y)) << c.name << " " << w.x;
      EXPECT_EQ(picture.GetGreen(px, py), seen.GetGreen(w.x, w.y)) << c.name << " " << w.y;
    }
  }
}

TEST_F(PictureDocTest, PrintingScalesTheWindowWidthToThePage) {
  const wxImage picture = Blocks(1280, 960);
  vantorelDoc* doc = OpenPng(picture, "blocks.png");
  ASSERT_NE(nullptr, doc);
  vantorelView* view = View(doc);
  view->canvas->Scroll(64, 40);
  const vt::view::Point s = Scroll(view);
  const wxSize client = view->canvas->GetClientSize();
  wxBitmap page(2 * client.x, 2 * client.y, 24);
  {
    wxMemoryDC dc(page);
    view->IsPrinting = true;
    view->OnDraw(&dc);
    view->IsPrinting = false;
  }
  const wxImage printed = page.ConvertToImage();
  // Window point (w) lands at page point (2w) and shows picture point (scroll + w).
  for (wxPoint w : {wxPoint(12, 12), wxPoint(client.x / 2 + 4, client.y / 2 + 4)}) {
    const int px = s.x + w.x, py = s.y + w.y;
    EXPECT_EQ(picture.GetRed(px, py), printed.GetRed(2 * w.x, 2 * w.y)) << w.x;
    EXPECT_EQ(picture.GetGreen(px, py), printed.GetGreen(2 * w.x, 2 * w.y)) << w.y;
  }
}

TEST_F(PictureDocTest, CloseCommandClosesTheActivePicture) {
  ASSERT_NE(nullptr, Open(dir.write("one.dib", ReceptionFile(1))));
  ASSERT_NE(nullptr, Open(dir.write("two.dib", ReceptionFile(1))));
  Command(ID_CLOSE);
  Pump();
  ASSERT_EQ(1u, Docs()->GetDocuments().GetCount());
  EXPECT_TRUE(static_cast<wxDocument*>(Docs()->GetDocuments().GetFirst()->GetData())
                  ->GetFilename()
                  .EndsWith("one.dib"));
  EXPECT_TRUE(messages.texts.empty());  // nothing is modified, so nothing to ask
}

TEST_F(PictureDocTest, ContextMenuHasItsEightEntries) {
  std::unique_ptr<wxMenu> menu(MyCanvas::BuildContextMenu());
  std::vector<std::string> rows;
  for (wxMenuItem* item : menu->GetMenuItems()) {
    rows.push_back(item->IsSeparator()
                       ? "-"
                       : std::string(item->GetItemLabel().utf8_str()) + "|" +
                             std::string(item->GetHelp().utf8_str()) + "|" +
                             std::to_string(item->GetId()));
  }
  EXPECT_EQ((std::vector<std::string>{"&Start||10117", "&Autostart||10060", "&Stop||10084", "-",
                                      "&Zoom in|Zoom in 2 times|10118",
                                      "Zoom &Out|Zoom Out|10101", "-", "&Delete Fax||10086",
                                      "Close Current Picture|Close current picture|10085"}),
            rows);
}

TEST_F(PictureDocTest, CopyPutsThePictureOnTheClipboard) {
  vantorelDoc* doc = Open(dir.write("fax.dib", ReceptionFile(40)));
  ASSERT_NE(nullptr, doc);
  wxUpdateUIEvent update(wxID_COPY);
  View(doc)->ProcessEvent(update);
  EXPECT_TRUE(update.GetEnabled());
  Command(wxID_COPY);
  ASSERT_TRUE(wxTheClipboard->Open());
  wxBitmapDataObject data;
  const bool got = wxTheClipboard->GetData(data);
  wxTheClipboard->Close();
  ASSERT_TRUE(got);
  EXPECT_EQ(1280, data.GetBitmap().GetWidth());
  EXPECT_EQ(40, data.GetBitmap().GetHeight());
}

// With VANTOREL_SCREENSHOT=<prefix> the screen is saved twice with a reception
// file and a PNG open, for a person to look at.
TEST_F(PictureDocTest, BandwidthToolsSetPhotoOrChart) {
  vantorelDoc* doc = OpenPng(Noise(64, 48), "band.png");
  ASSERT_NE(doc, nullptr);
  vantorelFrame* frame = wxGetApp().GetMainFrame();
  const struct { int id; const char* value; } tools[] = {{ID_NARROW, "CHART"}, {ID_WIDE, "PHOTO"}};
  for (const auto& tool : tools) {
    wxCommandEvent command(wxEVT_MENU, tool.id);
    ASSERT_TRUE(doc->ProcessEvent(command));
    EXPECT_EQ(frame->fax.Bandwidth, tool.value);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(1), tool.value);
    for (const auto& other : tools) {
      wxUpdateUIEvent update(other.id);
      doc->ProcessEvent(update);
      EXPECT_EQ(update.GetChecked(), other.id == tool.id) << other.value;
    }
  }
}

TEST_F(PictureDocTest, ScreenshotOfOpenPictures) {
  const char* shot = std::getenv("VANTOREL_SCREENSHOT");
  if (shot == nullptr) GTEST_SKIP() << "set VANTOREL_SCREENSHOT to take one";
  wxGetApp().GetMainFrame()->SetSize(0, 0, 1200, 900);
  vantorelDoc* fax = Open(dir.write("fax.dib", ReceptionFile(600)));
  ASSERT_NE(nullptr, fax);
  vantorelDoc* chart = OpenPng(Blocks(900, 700), "chart.png");
  ASSERT_NE(nullptr, chart);
  Command(ID_ZOOMIN);
  Mouse(View(chart), wxEVT_LEFT_DCLICK, {100, 100});
  Pump(1500);
  EXPECT_EQ(
      0, wxExecute(wxString("/usr/bin/import -window root ") + shot + "-chart.png", wxEXEC_SYNC));
  View(fax)->frame->Activate();
  Pump(1500);
  EXPECT_EQ(0,
            wxExecute(wxString("/usr/bin/import -window root ") + shot + "-fax.png", wxEXEC_SYNC));
}

}  // namespace
