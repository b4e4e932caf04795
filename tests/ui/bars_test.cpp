// The menu bar, the three tool bars and the frequency bar, built in real windows.
#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/wx.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/vantorelrc_wdr.h"

namespace {

std::string Str(const wxString& s) { return std::string(s.utf8_str()); }

std::string KindName(wxItemKind kind) {
  switch (kind) {
    case wxITEM_SEPARATOR: return "sep";
    case wxITEM_CHECK: return "check";
    case wxITEM_NORMAL: return "normal";
    default: return "other";
  }
}

// One line of a menu or tool bar as the user meets it.
struct Row {
  std::string where;  // menu title, or picture index of a tool
  std::string label;  // menu label, or tooltip of a tool
  std::string help;
  int id;
  std::string kind;  // "normal", "check", "sep" or "submenu"
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.where << " | " << r.label << " | " << r.help << " | " << r.id << " | "
            << r.kind << "}";
}

bool operator==(const Row& a, const Row& b) {
  return a.where == b.where && a.label == b.label && a.help == b.help && a.id == b.id &&
         a.kind == b.kind;
}

void ExpectSameRows(const std::vector<Row>& expected, const std::vector<Row>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(expected[i], actual[i]) << "line " << i;
}

void ListMenu(const std::string& title, wxMenu* menu, std::vector<Row>& rows) {
  for (wxMenuItem* item : menu->GetMenuItems()) {
    std::string kind = item->IsSubMenu() ? "submenu" : KindName(item->GetKind());
    std::string label = item->IsSeparator() ? "" : Str(item->GetItemLabel());
    rows.push_back({title, label, Str(item->GetHelp()), item->GetId(), kind});
    if (item->IsSubMenu()) ListMenu(title + "/" + label, item->GetSubMenu(), rows);
  }
}

const int SEP = wxID_SEPARATOR;
const char* const kConf = "C&onfiguration";
const char* const kRadio = "C&onfiguration/&Radio Interface";

const std::vector<Row> kMenuBar = {
    {"&Fax", "Recieve &Fax", "Start Receiving a fax", ID_RECIEVE, "check"},
    {"&Fax", "Start Navtex", "Start Navtex Reception", ID_NAVTEX, "check"},
    {"&Fax", "Start Telex", "Start Telex Reception", ID_TELEX, "check"},
    {"&Fax", "S&top Receiving", "Terminate fax reception", ID_STOP, "normal"},
    {"&Fax", "R&eception Status", "Display fax Reception Status", ID_STATUS, "normal"},
    {"&Fax", "", "", SEP, "sep"},
    {"&Fax", "&Open\tCtrl-O", "Open a File", wxID_OPEN, "check"},
    {"&Fax", "&Close Picture\tCtrl-f4", "Close current picture", ID_CLOSE, "normal"},
    {"&Fax", "&Save", "Save current picture", wxID_SAVE, "normal"},
    {"&Fax", "Save &As", "Save under a new name", wxID_SAVEAS, "normal"},
    {"&Fax", "&Delete", "Delete current picture", ID_DELETE, "normal"},
    {"&Fax", "", "", SEP, "sep"},
    {"&Fax", "&Print\tCtrl-P", "Print the chart", wxID_PRINT, "normal"},
    {"&Fax", "P&rint Preview", "Prevew the chart prior to printing", wxID_PREVIEW, "normal"},
    {"&Fax", "Print &Setup", "Set up printer", wxID_PRINT_SETUP, "normal"},
    {"&Fax", "Quit", "Exit the program", wxID_EXIT, "normal"},
    {"&View", "&Toolbar", "Show/Hide Toolbar", ID_TOOLBAR, "check"},
    {"&View", "Tool &Box", "Show/Hide Tool Box", ID_TOOLBOX, "check"},
    {"&View", "T&uning Scope", "Show /Hide Tuning scope", ID_TUNINGSCOPE, "check"},
    {"&View", "&Frequency Control", "Show Hide Radio tuning parameters", ID_FREQUENCYCONT, "check"},
    {"&Edit", "&Copy\tCtrl-C", "Copy to Clipboard", wxID_COPY, "normal"},
    {"&Edit", "&Undo\tCtrl-z", "Undo Last Operation", ID_UNDO, "normal"},
    {"&Picture", "Define Left &Margin", "Define left margin with mouse and double click", ID_DEFLEFT,
     "check"},
    {"&Picture", "Rotate &Right", "Rotate picture 90 degrees to the right", ID_ROTRIGHT, "normal"},
    {"&Picture", "Rotate &Left", "Rotate picture 90 degrees to the left", ID_ROTLEFT, "normal"},
    {"&Picture", "&Flip Vertically", "Rotate image 180 degrees", ID_FLIP, "normal"},
    {"&Picture", "", "", SEP, "sep"},
    {"&Picture", "&Trim Edges", "Define the boundary of the fax and trim", ID_TRIMEDGE, "check"},
    {"&Picture", "Fix &Horizontal Break", "Repair fax by shifting broken portion sideways",
     ID_FIXBREAK, "check"},
    {"&Picture", "Trim &End", "Trim off the bottom of the fax", ID_TRIMEND, "check"},
    {"&Picture", "", "", SEP, "sep"},
    {"&Picture", "&Zoom In", "Zoom in one level on picture", ID_ZOOMIN, "check"},
    {"&Picture", "Zoom &Out", "Zoom out one level", ID_ZOOMOUT, "normal"},
    {"&Picture", "&Normal View", "Show image at normal magnification", ID_NORMAL, "normal"},
    {"&Picture", "", "", SEP, "sep"},
    {"&Picture", "C&hange Colour Scheme", "Cycle through different colour palettes.", ID_COLOUR,
     "normal"},
    {"&Picture", "Clean &Up", "Clean up the fax picture", ID_CLEAN, "normal"},
    {"&Picture", "Global Histogram &Equalization", "Expand the tonal range based on the entire image",
     ID_GLOBALHIST, "normal"},
    {"&Picture", "Skew Ri&ght", "Adjust diagonal skew to the right", ID_SKEWRIGHT, "normal"},
    {"&Picture", "Skew Le&ft", "Adjust diagonal skew to the left", ID_SKEWLEFT, "normal"},
    {"&Picture", "Noise Filter", "Finlter out noise", ID_FILTER, "check"},
    {"&Picture", "&Smooth", "Smooth the image.", ID_SMOOTH, "normal"},
    {kConf, "&Reception Properties", "Change reception properties", ID_PROPERTIES, "normal"},
    {kConf, "&Working Folder", "Set the normal folder for storing faxes", ID_WORKINGFOLDER, "normal"},
    {kConf, "", "", SEP, "sep"},
    {kConf, "&Radio Interface", "", ID_MENU, "submenu"},
    {kRadio, "&Set Radio", "Adjust radio settings", ID_SETRADIO, "check"},
    {kRadio, "Tune Up 1Khz", "Increase receive frequency by 1 kHz", ID_UP1K, "check"},
    {kRadio, "Tune Down 1 Khz", "Decrease receive frequency by 1 kHz", ID_DOWN1K, "check"},
    {kRadio, "Tune Up 100 Hz", "Increase receive frequency by 100 Hz", ID_UP100, "check"},
    {kRadio, "Tune Down 100 Hz", "Decrease receive frequency by 100 Hz", ID_DOWN100, "check"},
    {kRadio, "Increase Volume", "Increase receiver volume", ID_VOLUP, "normal"},
    {kRadio, "Decrease Volume", "Decrease receive volume", ID_VOLDOWN, "normal"},
    {kRadio, "Power On/Off", "Turn radio on or off", ID_POWER, "normal"},
    {kRadio, "Attenuate Signal", "Attenuate the signal", ID_ATTEN, "normal"},
    {kRadio, "Change Radio Type", "Change the model of the radio", ID_RADIO, "normal"},
    {"&Automation", "&Autostart", "Receive the next fax automatically at the next start tone",
     ID_AUTOSTART, "normal"},
    {"&Automation", "Auto&Continous", "Receive all faxes automatically and save them",
     ID_AUTOCONTINOUS, "check"},
    {"&Automation", "", "", SEP, "sep"},
    {"&Automation", "AutoS&chedule", "Prepare reception schedules, start unattended operation",
     ID_AUTOSCHEDULE, "check"},
    {"&Automation", "&Database Lookup", "Look up information in weather fax database", ID_DATABASE,
     "normal"},
    {"&Help", "&Index", "Read the help file", wxID_HELP_CONTENTS, "normal"},
    {"&Help", "About", "Display version and copyright information", wxID_ABOUT, "normal"},
};

// The menu bar lives in a frame, as in the program.
class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, "menus");
    bar_ = MyMenuBarFunc();
    frame_->SetMenuBar(bar_);
  }
  void TearDown() override { frame_->Destroy(); }
  wxFrame* frame_ = nullptr;
  wxMenuBar* bar_ = nullptr;
};

TEST_F(MenuBarTest, EveryMenuItemHasItsLabelHelpIdAndKind) {
  std::vector<Row> rows;
  for (size_t i = 0; i < bar_->GetMenuCount(); ++i)
    ListMenu(Str(bar_->GetMenuLabel(i)), bar_->GetMenu(i), rows);
  ExpectSameRows(kMenuBar, rows);
}

TEST_F(MenuBarTest, BarIsDockableAndOnlyConfigurationTearsOff) {
  EXPECT_TRUE(bar_->HasFlag(wxMB_DOCKABLE));
  for (size_t i = 0; i < bar_->GetMenuCount(); ++i) {
    const bool tearoff = (bar_->GetMenu(i)->GetStyle() & wxMENU_TEAROFF) != 0;
    EXPECT_EQ(Str(bar_->GetMenuLabel(i)) == kConf, tearoff) << Str(bar_->GetMenuLabel(i));
  }
  wxMenu* radio = bar_->FindItem(ID_MENU)->GetSubMenu();
  EXPECT_EQ(0, radio->GetStyle() & wxMENU_TEAROFF);
}

TEST_F(MenuBarTest, TabbedLabelsGiveWorkingAccelerators) {
  const struct {
    int id;
    int flags;
    int key;
  } cases[] = {
      {wxID_OPEN, wxACCEL_CTRL, 'O'},   {ID_CLOSE, wxACCEL_CTRL, WXK_F4},
      {wxID_PRINT, wxACCEL_CTRL, 'P'},  {wxID_COPY, wxACCEL_CTRL, 'C'},
      {ID_UNDO, wxACCEL_CTRL, 'Z'},
  };
  for (const auto& c : cases) {
    wxAcceleratorEntry* accel = bar_->FindItem(c.id)->GetAccel();
    ASSERT_NE(nullptr, accel) << c.id;
    EXPECT_EQ(c.flags, accel->GetFlags()) << c.id;
    EXPECT_EQ(c.key, accel->GetKeyCode()) << c.id;
    delete accel;
  }
}

// Tool rows: where = picture index, label = tooltip.
const std::vector<Row> kMainToolBar = {
    {"1", "Open", "Open a fax file", wxID_OPEN, "normal"},
    {"2", "Save changes", "Save to disk", wxID_SAVEAS, "normal"},
    {"3", "Copy", "Copy image to clipboard", wxID_COPY, "normal"},
    {"37", "Undo Last Action", "Undo Last Action", ID_UNDO, "normal"},
    {"4", "Print", "Print Fax", wxID_PRINT, "normal"},
    {"", "", "", SEP, "sep"},
    {"6", "Receive Weather Fax", "Start receiving a new fax", ID_RECIEVE, "check"},
    {"38", "Receive Navtex", "Start Navtex", ID_NAVTEX, "check"},
    {"39", "Receive Telex", "Start Telex Reception", ID_TELEX, "check"},
    {"7", "Stop Receiving", "Stop receiving the fax", ID_STOP, "normal"},
    {"", "", "", SEP, "sep"},
    {"8", "Skew Left", "Adjust diagonal skew to the left", ID_SKEWLEFT, "normal"},
    {"9", "Skew Right", "Adjust diagonal skew to the right", ID_SKEWRIGHT, "normal"},
    {"11", "Noise Filter", "Filter out noise", ID_FILTER, "check"},
    {"10", "Chart Reception", "Set reception for 400 Hz, good for charts", ID_NARROW, "check"},
    {"12", "Photo Reception", "Set reception for 800 Hz bandwidth, good for photos", ID_WIDE,
     "check"},
    {"13", "Reception Status", "Display current reception status", ID_STATUS, "normal"},
    {"14", "Tuning Scope", "Show or hide the tuning scope during fax reception", ID_TUNINGSCOPE,
     "check"},
    {"15", "Toolbox", "Show or hide the toolbox", ID_TOOLBOX, "check"},
    {"", "", "", SEP, "sep"},
    {"16", "AutoStart", "Receive the next fax automatically at the next start tone", ID_AUTOSTART,
     "normal"},
    {"17", "AutoContinuous", "Receive all faxes automatically and save them", ID_AUTOCONTINOUS,
     "check"},
    {"18", "AutoSchedule", "Prepare reception schedules, start unattended operation",
     ID_AUTOSCHEDULE, "check"},
    {"", "", "", SEP, "sep"},
    {"20", "Help About", "Display version and copyright information", wxID_ABOUT, "normal"},
};

const std::vector<Row> kToolBoxBar = {
    {"22", "Rotate Right", "Rotate the fax 90 degrees to the right", ID_ROTRIGHT, "normal"},
    {"23", "Rotate Left", "Rotate the fax 90 degrees to the left", ID_ROTLEFT, "normal"},
    {"24", "Flip Vertically", "Rotate the fax through 180 degrees", ID_FLIP, "normal"},
    {"26", "Define Left Margin", "Double click where you want to set the left margin", ID_DEFLEFT,
     "check"},
    {"27", "Trim End", "Trim off the bottom of the fax", ID_TRIMEND, "check"},
    {"28", "Fix Horizontal Break", "Repair fax by shifting broken portion sideways", ID_FIXBREAK,
     "check"},
    {"29", "Trim Edges", "Define the boundary of the fax and trim", ID_TRIMEDGE, "check"},
    {"", "", "", SEP, "sep"},
    {"30", "Normal View", "Show the fax at normal size", ID_NORMAL, "normal"},
    {"31", "Zoom In", "Zoom in to picture", ID_ZOOMIN, "check"},
    {"32", "Zoom Out", "Zoom out from picture", ID_ZOOMOUT, "normal"},
    {"", "", "", SEP, "sep"},
    {"33", "Change Colour Scheme", "Cycle through different colour palettes", ID_COLOUR, "normal"},
    {"34", "Clean Up", "Clean up the fax picture", ID_CLEAN, "normal"},
    {"35", "", "Meet the programmer", ID_SMILE, "normal"},
};

const std::vector<Row> kTelexBar = {
    {"42", "Shift Down Now", "Unshift from Upper to Lower case", ID_UNSHIFTNOW, "normal"},
    {"43", "Unshift on Space", "Sfift to lower case when a space is detected", ID_UNSHIFTONSPACE,
     "check"},
    {"44", "Invert", "Invert the mark and spaces on incoming signal", ID_INVERT, "check"},
};

bool SamePixels(const wxBitmap& a, const wxBitmap& b) {
  if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return false;
  const wxImage ia = a.ConvertToImage(), ib = b.ConvertToImage();
  const size_t n = static_cast<size_t>(ia.GetWidth()) * ia.GetHeight() * 3;
  return std::equal(ia.GetData(), ia.GetData() + n, ib.GetData()) &&
         ia.HasAlpha() == ib.HasAlpha() &&
         (!ia.HasAlpha() || std::equal(ia.GetAlpha(), ia.GetAlpha() + n / 3, ib.GetAlpha()));
}

// Lists the tools of a bar and checks each tool's picture against its index.
std::vector<Row> ListTools(wxToolBar* bar) {
  std::vector<Row> rows;
  for (size_t pos = 0; pos < bar->GetToolsCount(); ++pos) {
    const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(pos));
    if (tool->IsSeparator()) {
      rows.push_back({"", "", "", SEP, "sep"});
      continue;
    }
    EXPECT_TRUE(tool->GetLabel().empty()) << tool->GetId();
    EXPECT_FALSE(tool->GetDisabledBitmap().IsOk()) << tool->GetId();
    std::string picture = "?";
    for (size_t index = 0; index < 48; ++index)
      if (SamePixels(tool->GetNormalBitmap(), MyBitmapsFunc(index))) picture = std::to_string(index);
    rows.push_back({picture, Str(tool->GetShortHelp()), Str(tool->GetLongHelp()), tool->GetId(),
                    KindName(tool->GetKind())});
  }
  return rows;
}

TEST(ToolBars, EachBarHasItsToolsInOrderWithMargins) {
  const struct {
    const char* name;
    void (*fill)(wxToolBar*);
    const std::vector<Row>* expected;
  } bars[] = {
      {"main", MyToolBarFunc, &kMainToolBar},
      {"tool box", MyToolBoxFunc, &kToolBoxBar},
      {"telex", TelexBar, &kTelexBar},
  };
  for (const auto& b : bars) {
    SCOPED_TRACE(b.name);
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, b.name);
    wxToolBar* bar = frame->CreateToolBar(wxTB_HORIZONTAL | wxNO_BORDER);
    bar->SetToolBitmapSize(wxSize(24, 24));
    b.fill(bar);
    EXPECT_EQ(wxSize(2, 2), bar->GetMargins());
    ExpectSameRows(*b.expected, ListTools(bar));
    frame->Destroy();
  }
}

// One control of the frequency bar, in the order of its row.
struct FreqControl {
  std::string type;
  int id;
  std::string text;  // label of buttons and static texts; first item of combo boxes
  int width;         // -1: not fixed; buttons at least this wide
  size_t items;      // combo boxes: placeholder count after the first item
};

const std::vector<FreqControl> kFreqBar = {
    {"combo", ID_STNCOMBO, "NO STATIONS", 140, 11},
    {"button", ID_FREQSET, "Freq>", 45, 0},
    {"combo", ID_FREQCOMBO, "NO FRQ", 65, 8},
    {"static", ID_TEXT, "<DB REC>", -1, 0},
    {"text", ID_FREQINUSE, "", 60, 0},
    {"static", ID_TEXT, "SSB", -1, 0},
    {"text", ID_SSB, "", 50, 0},
    {"button", ID_SETRADIO, "Set", 25, 0},
    {"button", ID_POW, "Pow", 30, 0},
    {"button", ID_ATTEN, "Att", 30, 0},
    {"button", ID_DOWN1K, "<<", 25, 0},
    {"button", ID_DOWN100, "<", 20, 0},
    {"button", ID_UP100, ">", 20, 0},
    {"button", ID_UP1K, ">>", 25, 0},
    {"button", ID_VOLDOWN, "Vol<", 25, 0},
    {"button", ID_VOLUP, ">Vol", 25, 0},
};

FreqControl Describe(wxWindow* w) {
  FreqControl c{"other", w->GetId(), "", w->GetMinSize().x, 0};
  if (auto* combo = dynamic_cast<wxComboBox*>(w)) {
    c.type = "combo";
    c.text = combo->GetCount() ? Str(combo->GetString(0)) : "";
    c.items = combo->GetCount() ? combo->GetCount() - 1 : 0;
    for (unsigned i = 1; i < combo->GetCount(); ++i) EXPECT_EQ("Item", Str(combo->GetString(i)));
    EXPECT_TRUE(combo->GetValue().empty());
  } else if (auto* button = dynamic_cast<wxButton*>(w)) {
    c.type = "button";
    c.text = Str(button->GetLabel());
  } else if (auto* text = dynamic_cast<wxTextCtrl*>(w)) {
    c.type = "text";
    c.text = Str(text->GetValue());
  } else if (auto* label = dynamic_cast<wxStaticText*>(w)) {
    c.type = "static";
    c.text = Str(label->GetLabel());
    c.width = -1;
  }
  return c;
}

TEST(FreqBarLayout, ControlsInOrderWithTypesWidthsAndPlaceholders) {
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "tool box");
  wxPanel* panel = new wxPanel(frame);
  wxSizer* top = FreqBar(panel, true, true);
  EXPECT_EQ(top, panel->GetSizer());
  ASSERT_EQ(1u, top->GetItemCount());
  wxSizer* row = top->GetItem(size_t(0))->GetSizer();
  ASSERT_NE(nullptr, row);
  ASSERT_EQ(kFreqBar.size(), row->GetItemCount());
  for (size_t i = 0; i < kFreqBar.size(); ++i) {
    wxSizerItem* item = row->GetItem(i);
    ASSERT_TRUE(item->IsWindow()) << i;
    EXPECT_EQ(0, item->GetBorder()) << i;
    EXPECT_EQ(wxALIGN_CENTER, item->GetFlag() & wxALIGN_CENTER) << i;
    const FreqControl actual = Describe(item->GetWindow());
    const FreqControl& want = kFreqBar[i];
    EXPECT_EQ(want.type, actual.type) << i;
    EXPECT_EQ(want.id, actual.id) << i;
    EXPECT_EQ(want.text, actual.text) << i;
    // Buttons widen beyond their listed width only as far as their label needs.
    const int label_width = actual.type == "button" ? item->GetWindow()->GetBestSize().x : -1;
    EXPECT_EQ(std::max(want.width, label_width), actual.width) << i;
    EXPECT_EQ(want.items, actual.items) << i;
  }
  auto* in_use = dynamic_cast<wxTextCtrl*>(panel->FindWindow(ID_FREQINUSE));
  ASSERT_NE(nullptr, in_use);
  EXPECT_FALSE(in_use->IsEditable());
  EXPECT_EQ(*wxLIGHT_GREY, in_use->GetBackgroundColour());
  auto* offset = dynamic_cast<wxTextCtrl*>(panel->FindWindow(ID_SSB));
  ASSERT_NE(nullptr, offset);
  EXPECT_TRUE(offset->IsEditable());
  frame->Destroy();
}

// With VANTOREL_SHOW_BARS=seconds, shows all bars for that long (for a screenshot).
TEST(BarsOnScreen, ShownWhenAsked) {
  const char* seconds = std::getenv("VANTOREL_SHOW_BARS");
  if (seconds == nullptr) GTEST_SKIP() << "set VANTOREL_SHOW_BARS to look at the bars";
  wxFrame* main = new wxFrame(nullptr, wxID_ANY, "main", wxPoint(0, 0), wxSize(900, 160));
  main->SetMenuBar(MyMenuBarFunc());
  wxToolBar* tools = main->CreateToolBar(wxTB_HORIZONTAL | wxNO_BORDER);
  tools->SetToolBitmapSize(wxSize(24, 24));
  MyToolBarFunc(tools);
  main->Show();
  wxFrame* box = new wxFrame(nullptr, wxID_ANY, "tool box", wxPoint(0, 200), wxDefaultSize);
  wxToolBar* box_tools = box->CreateToolBar(wxTB_HORIZONTAL | wxNO_BORDER);
  box_tools->SetToolBitmapSize(wxSize(24, 24));
  MyToolBoxFunc(box_tools);
  FreqBar(new wxPanel(box), true, true);
  box->Fit();
  box->Show();
  wxFrame* telex = new wxFrame(nullptr, wxID_ANY, "telex", wxPoint(0, 330), wxSize(200, 80));
  wxToolBar* telex_tools = telex->CreateToolBar(wxTB_HORIZONTAL | wxNO_BORDER);
  telex_tools->SetToolBitmapSize(wxSize(24, 24));
  TelexBar(telex_tools);
  telex->Show();
  const wxLongLong end = wxGetLocalTimeMillis() + 1000 * std::atol(seconds);
  while (wxGetLocalTimeMillis() < end) {
    wxYield();
    wxMilliSleep(20);
  }
  for (wxFrame* frame : {main, box, telex}) frame->Destroy();
}

}  // namespace
