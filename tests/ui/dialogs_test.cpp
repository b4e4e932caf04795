// Each dialog layout is built into a real dialog and compared, child by child
// in creation order, with the table of its controls.
#include <gtest/gtest.h>

#include <wx/listctrl.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/wx.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/vantorelrc_wdr.h"

namespace {

using Layout = wxSizer* (*)(wxWindow*, bool, bool);

enum class Kind { Label, Text, ReadOnly, Combo, Button, BitmapButton, Check, Group, Line, List,
                  Spin, Slider, Picture, Other };

const char* KindName(Kind kind) {
  static const char* const names[] = {"label", "text box", "read-only text box", "combo box",
                                      "button", "bitmap button", "check box", "group", "line",
                                      "list", "spin control", "slider", "picture", "other"};
  return names[static_cast<int>(kind)];
}

struct Control {
  Kind kind;
  int id;            // wxID_ANY: labels and groups, whose ids are not looked up
  std::string text;  // label, or the value of a box, spin control or slider; "*": any non-empty text
  int width = -1;    // -1: the default width
  std::vector<std::string> items = {};
};

struct DialogCase {
  const char* name;
  Layout layout;
  std::vector<Control> controls;
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

Kind KindOf(wxWindow* w) {
  if (dynamic_cast<wxStaticBox*>(w)) return Kind::Group;
  if (dynamic_cast<wxStaticText*>(w)) return Kind::Label;
  if (dynamic_cast<wxBitmapButton*>(w)) return Kind::BitmapButton;
  if (dynamic_cast<wxButton*>(w)) return Kind::Button;
  if (dynamic_cast<wxCheckBox*>(w)) return Kind::Check;
  if (dynamic_cast<wxComboBox*>(w)) return Kind::Combo;
  if (auto* text = dynamic_cast<wxTextCtrl*>(w)) {
    return text->HasFlag(wxTE_READONLY) ? Kind::ReadOnly : Kind::Text;
  }
  if (dynamic_cast<wxStaticLine*>(w)) return Kind::Line;
  if (dynamic_cast<wxListCtrl*>(w)) return Kind::List;
  if (dynamic_cast<wxSpinCtrl*>(w)) return Kind::Spin;
  if (dynamic_cast<wxSlider*>(w)) return Kind::Slider;
  if (dynamic_cast<wxStaticBitmap*>(w)) return Kind::Picture;
  return Kind::Other;
}

std::string TextOf(wxWindow* w) {
  if (auto* combo = dynamic_cast<wxComboBox*>(w)) return combo->GetValue().ToStdString();
  if (auto* text = dynamic_cast<wxTextCtrl*>(w)) return text->GetValue().ToStdString();
  if (auto* spin = dynamic_cast<wxSpinCtrl*>(w)) return std::to_string(spin->GetValue());
  if (auto* slider = dynamic_cast<wxSlider*>(w)) return std::to_string(slider->GetValue());
  if (dynamic_cast<wxStaticLine*>(w) || dynamic_cast<wxListCtrl*>(w) ||
      dynamic_cast<wxStaticBitmap*>(w) || dynamic_cast<wxBitmapButton*>(w)) {
    return "";
  }
  return w->GetLabel().ToStdString();
}

std::vector<std::string> ItemsOf(wxWindow* w) {
  std::vector<std::string> items;
  if (auto* combo = dynamic_cast<wxComboBox*>(w)) {
    for (unsigned i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetString(i).ToStdString());
  }
  return items;
}

struct DialogDeleter {
  void operator()(wxDialog* d) const { delete d; }
};
using DialogPtr = std::unique_ptr<wxDialog, DialogDeleter>;

DialogPtr BuildDialog(Layout layout, bool call_fit = true, bool set_sizer = true) {
  DialogPtr dialog(new wxDialog(nullptr, wxID_ANY, "Layout", wxPoint(0, 0), wxDefaultSize,
                                wxDEFAULT_DIALOG_STYLE));
  wxSizer* top = layout(dialog.get(), call_fit, set_sizer);
  if (!set_sizer) delete top;
  return dialog;
}

std::vector<std::string> ComPorts() {
  std::vector<std::string> ports;
  for (int n = 1; n <= 17; ++n) ports.push_back("COM" + std::to_string(n));
  return ports;
}

const std::vector<DialogCase>& Dialogs() {
  static const std::vector<DialogCase> dialogs = {
      {"Config", Config,
       {{Kind::Group, wxID_ANY, "Communications"},
        {Kind::Label, wxID_ANY, "IOC"},
        {Kind::Combo, ID_IOC, "", 100, {"288", "576"}},
        {Kind::Label, wxID_ANY, "Speed"},
        {Kind::Combo, ID_SPEED, "", 100, {"60", "90", "120", "240"}},
        {Kind::Group, wxID_ANY, "Reception and AutoStart"},
        {Kind::Label, wxID_ANY, "Skew"},
        {Kind::Text, ID_SKEW, "", 80},
        {Kind::Label, wxID_ANY, "Low P"},
        {Kind::Text, ID_LOWP, "", 80},
        {Kind::Label, wxID_ANY, "High P"},
        {Kind::Text, ID_HIGHP, "", 80},
        {Kind::Group, wxID_ANY, "Controls"},
        {Kind::Check, ID_DETECTSTOP, "Detect Stop Tone"},
        {Kind::Check, ID_LOWFREQ, "Low Frequency Mode"},
        {Kind::Check, ID_AUTOON, "AutoSchedule on at Startup"},
        {Kind::Check, ID_RADIO, "Radio Interface"},
        {Kind::Button, wxID_OK, "&OK"},
        {Kind::Button, wxID_CANCEL, "&Cancel"}}},
      {"RadioSetup", RadioSetup,
       {{Kind::Label, wxID_ANY, "Radio COM"},
        {Kind::Combo, ID_COMPORT, "", 100, ComPorts()},
        {Kind::Button, wxID_OK, "&OK"},
        {Kind::Button, wxID_CANCEL, "&Cancel"},
        {Kind::Label, wxID_ANY, "Please select a radio from the list"},
        {Kind::Combo, ID_RADIOLIST, "", 250,
         {"NONE", "ICOM M802", "ICOM M710", "ICOM M700 PRO", "ICOM M710 RT", "IC-PCR1000",
          "IC-PCR1500", "LOWE HF150"}}}},
      {"AutoSchedule", AutoSchedule,
       {{Kind::Check, ID_CHECKBOX, "&Check here for continuous recording or use schedule:"},
        {Kind::Label, wxID_ANY, "Each Fax has a maximum duration of "},
        {Kind::Text, ID_DURATIONX, "", 30},
        {Kind::Label, wxID_ANY, "minutes (0 for Maximum)"},
        {Kind::Line, ID_LINE, "", 300},
        {Kind::Button, ID_REFRESH, "&Refresh"},
        {Kind::Button, ID_LOOKUP, "&Database Lookup"},
        {Kind::Button, ID_READ, "&Read"},
        {Kind::List, ID_LISTCTRL, "", 300},
        {Kind::Label, wxID_ANY, "Schedule File:"},
        {Kind::ReadOnly, ID_FILENAMEX, "", 100},
        {Kind::ReadOnly, ID_STATUS, "", 80},
        {Kind::Button, wxID_CANCEL, "&Cancel"},
        {Kind::Button, wxID_OK, "&OK"},
        {Kind::Group, wxID_ANY, "Customize"},
        {Kind::Button, ID_ADD, "&Add Entry"},
        {Kind::Button, ID_CLEAR, "&Clear Entry"},
        {Kind::Button, ID_CLEARALL, "Cl&ear All Entries"},
        {Kind::Button, ID_SAVE, "&Save"},
        {Kind::Group, wxID_ANY, "PCR 1000 Auto Control"},
        {Kind::Combo, ID_COMBO, "", 200,
         {"Disable Auto Frequency Selection", "Change Frequency When Noisy"}}}},
      {"AddEntry", AddEntry,
       {{Kind::Label, wxID_ANY, "HH"},
        {Kind::Text, ID_HH, "", 30},
        {Kind::Label, wxID_ANY, "MM"},
        {Kind::Text, ID_MM, "", 30},
        {Kind::Label, wxID_ANY, "Descr"},
        {Kind::Text, ID_DESCR, "", 160},
        {Kind::Label, wxID_ANY, "Freq"},
        {Kind::Text, ID_FREQ, "", 80},
        {Kind::Button, wxID_OK, "&OK"},
        {Kind::Button, wxID_CANCEL, "&CANCEL"},
        {Kind::Check, ID_CHECKBOX, "IOC 288 ?"}}},
      {"FaxStatus", FaxStatus,
       {{Kind::Label, wxID_ANY, "Connection"},
        {Kind::ReadOnly, ID_CONNECTION, "", 80},
        {Kind::Label, wxID_ANY, "AutoStart"},
        {Kind::ReadOnly, ID_AUTOSTART, "", 80},
        {Kind::Label, wxID_ANY, "AutoSched"},
        {Kind::ReadOnly, ID_AUTOSCHED, "", 80},
        {Kind::Label, wxID_ANY, "Next fax"},
        {Kind::ReadOnly, ID_NEXTFAX, "", 80},
        {Kind::Label, wxID_ANY, "Buffer Size"},
        {Kind::ReadOnly, ID_BUFFERSIZE, "", 80},
        {Kind::Button, wxID_OK, "OK"}}},
      {"SetRadio", SetRadio,
       {{Kind::Label, wxID_ANY, "Frequency (khz)"},
        {Kind::Text, ID_FREQ, "", 80},
        {Kind::Button, wxID_OK, "&OK"},
        {Kind::Label, wxID_ANY, "BFO"},
        {Kind::Spin, ID_BFO, "-2000", 100},
        {Kind::Button, wxID_CANCEL, "&Cancel"},
        {Kind::Check, ID_ATTEN, "Att"},
        {Kind::Check, ID_POWERBOX, "Power"}}},
      {"PaletteEdit", PaletteEdit,
       {{Kind::Slider, ID_SRED, "0", 20},
        {Kind::Slider, ID_SGREEN, "0", 20},
        {Kind::Slider, ID_SBLUE, "0", 20},
        {Kind::Slider, ID_MRED, "0", 20},
        {Kind::Slider, ID_MGREEN, "0", 20},
        {Kind::Slider, ID_MBLUE, "0", 20},
        {Kind::Slider, ID_ERED, "0", 20},
        {Kind::Slider, ID_EGREEN, "0", 20},
        {Kind::Slider, ID_EBLUE, "0", 20},
        {Kind::Label, wxID_ANY, "Presets"},
        {Kind::Button, ID_RGB, "R&GB"},
        {Kind::Button, ID_MONO, "&MONO"},
        {Kind::Label, wxID_ANY, "Red"},
        {Kind::Label, wxID_ANY, "Grn"},
        {Kind::Label, wxID_ANY, "Blue     "},
        {Kind::Label, wxID_ANY, "Red"},
        {Kind::Label, wxID_ANY, "Grn"},
        {Kind::Label, wxID_ANY, "Blue   "},
        {Kind::Label, wxID_ANY, "Red"},
        {Kind::Label, wxID_ANY, "Grn"},
        {Kind::Label, wxID_ANY, "Blue"},
        {Kind::Button, ID_APPLY, "&Apply", 100},
        {Kind::Label, wxID_ANY, "Warmer"},
        {Kind::BitmapButton, ID_WARMER, "", 40},
        {Kind::Label, wxID_ANY, "   Mid Value"},
        {Kind::BitmapButton, ID_REFTEMP, "", 40},
        {Kind::Label, wxID_ANY, "    Cooler  "},
        {Kind::BitmapButton, ID_COOLER, "", 40},
        {Kind::Button, ID_REVERSE, "&Reverse", 50},
        {Kind::BitmapButton, ID_PALDIS, "", 256},
        {Kind::Button, ID_RESET, "R&eset"},
        {Kind::Button, ID_LOADPAL, "&Load Palette"},
        {Kind::Label, wxID_ANY, "Ref"},
        {Kind::Slider, ID_REFSLIDE, "0", 256},
        {Kind::ReadOnly, ID_TEMP, "", 40},
        {Kind::Button, ID_SAVEPAL, "&Save Palette"},
        {Kind::Label, wxID_ANY, "Spread    "},
        {Kind::Slider, ID_SPREADSLIDE, "0", 100},
        {Kind::Button, ID_MARK, "Mark Spread"},
        {Kind::Check, ID_MASK, "Mask spread"}}},
      {"About", About,
       {{Kind::Picture, ID_STATICBITMAP, ""},
        {Kind::Label, wxID_ANY, "Vantorel USB 9.04c"},
        {Kind::Label, wxID_ANY, "*"},
        {Kind::Label, wxID_ANY, "*"}}},
  };
  return dialogs;
}

class DialogLayout : public ::testing::TestWithParam<DialogCase> {};

// Every child, in creation order, has the listed kind, id, text, width and
// items, and a lookup by its id inside the dialog finds that very child.
TEST_P(DialogLayout, ControlsInOrderWithIdsTextsWidthsAndItems) {
  const DialogCase& c = GetParam();
  DialogPtr dialog = BuildDialog(c.layout);
  const wxWindowList& children = dialog->GetChildren();
  ASSERT_EQ(children.size(), c.controls.size());
  size_t i = 0;
  for (wxWindow* child : children) {
    const Control& want = c.controls[i++];
    SCOPED_TRACE(testing::Message() << c.name << " control " << i << " (" << KindName(want.kind)
                                    << " \"" << want.text << "\")");
    EXPECT_STREQ(KindName(KindOf(child)), KindName(want.kind));
    if (want.id == wxID_ANY) {
      if (want.kind == Kind::Label) {
        EXPECT_EQ(child->GetId(), ID_TEXT);
      }
    } else {
      EXPECT_EQ(child->GetId(), want.id);
      EXPECT_EQ(dialog->FindWindow(want.id), child);
    }
    if (want.text == "*") {
      EXPECT_FALSE(TextOf(child).empty());
    } else {
      EXPECT_EQ(TextOf(child), want.text);
    }
    if (want.kind == Kind::Slider || want.kind == Kind::Spin) {
      // never narrower than asked, nor than GTK needs to draw them at all
      EXPECT_GE(child->GetMinSize().x, want.width);
      EXPECT_GE(child->GetMinSize().x, child->GetBestSize().x);
    } else if (want.width != -1) {
      EXPECT_EQ(child->GetMinSize().x, want.width);
    }
    EXPECT_EQ(ItemsOf(child), want.items);
    if (want.kind == Kind::Combo) {
      EXPECT_TRUE(child->HasFlag(wxCB_DROPDOWN));
    }
    if (want.kind == Kind::ReadOnly) {
      EXPECT_EQ(child->GetBackgroundColour(), *wxLIGHT_GREY);
    }
  }
}

// The dialog is given the top sizer only when asked, and then fits on a small screen.
TEST_P(DialogLayout, SetsSizerOnlyWhenAskedAndFitsOn1024By768) {
  const DialogCase& c = GetParam();
  DialogPtr detached = BuildDialog(c.layout, false, false);
  EXPECT_EQ(detached->GetSizer(), nullptr);

  DialogPtr dialog = BuildDialog(c.layout);
  ASSERT_NE(dialog->GetSizer(), nullptr);
  const wxSize size = dialog->GetSize();
  EXPECT_GE(size.x, dialog->GetSizer()->GetMinSize().x);
  EXPECT_LE(size.x, 1024);
  EXPECT_LE(size.y, 768);
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogLayout, ::testing::ValuesIn(Dialogs()),
                         [](const ::testing::TestParamInfo<DialogCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(DialogDetails, SlidersOfThePaletteEditor) {
  DialogPtr dialog = BuildDialog(PaletteEdit);
  const struct {
    int id;
    long style;
    int height;
  } sliders[] = {{ID_SRED, wxSL_VERTICAL | wxSL_AUTOTICKS, 80},
                 {ID_MGREEN, wxSL_VERTICAL | wxSL_AUTOTICKS, 80},
                 {ID_EBLUE, wxSL_VERTICAL | wxSL_AUTOTICKS, 80},
                 {ID_REFSLIDE, wxSL_HORIZONTAL | wxSL_AUTOTICKS, -1},
                 {ID_SPREADSLIDE, wxSL_HORIZONTAL, -1}};
  for (const auto& want : sliders) {
    SCOPED_TRACE(want.id);
    auto* slider = dynamic_cast<wxSlider*>(dialog->FindWindow(want.id));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetMin(), 0);
    EXPECT_EQ(slider->GetMax(), 100);
    EXPECT_EQ(slider->GetWindowStyleFlag() & (wxSL_VERTICAL | wxSL_HORIZONTAL | wxSL_AUTOTICKS),
              want.style);
    if (want.height != -1) {
      EXPECT_EQ(slider->GetMinSize().y, want.height);
    }
  }
  EXPECT_EQ(dialog->FindWindow(ID_PALDIS)->GetMinSize(), wxSize(256, 30));
  EXPECT_TRUE(dialog->FindWindow(ID_WARMER)->HasFlag(wxBU_AUTODRAW));
}

TEST(DialogDetails, BfoSpinControlAndScheduleListAndLine) {
  DialogPtr radio = BuildDialog(SetRadio);
  auto* bfo = dynamic_cast<wxSpinCtrl*>(radio->FindWindow(ID_BFO));
  ASSERT_NE(bfo, nullptr);
  EXPECT_EQ(bfo->GetMin(), -3000);
  EXPECT_EQ(bfo->GetMax(), 3000);
  EXPECT_EQ(bfo->GetValue(), -2000);

  DialogPtr schedule = BuildDialog(AutoSchedule);
  wxWindow* list = schedule->FindWindow(ID_LISTCTRL);
  EXPECT_TRUE(list->HasFlag(wxLC_REPORT));
  EXPECT_TRUE(list->HasFlag(wxSUNKEN_BORDER));
  EXPECT_EQ(list->GetMinSize(), wxSize(300, 160));
  EXPECT_TRUE(schedule->FindWindow(ID_LINE)->HasFlag(wxLI_HORIZONTAL));
}

// Not a check: writes a picture of every dialog for a person to look at.
// Run with --gtest_also_run_disabled_tests; VT_SHOT_DIR names the folder (/tmp by default).
TEST(DialogScreenshots, DISABLED_SaveEachDialogAsPng) {
  const char* dir = std::getenv("VT_SHOT_DIR");
  const std::string folder = dir ? dir : "/tmp";
  for (const DialogCase& c : Dialogs()) {
    DialogPtr dialog = BuildDialog(c.layout);
    dialog->SetTitle(c.name);
    dialog->Show();
    dialog->Refresh();
    for (int n = 0; n < 50; ++n) {
      wxYield();
      dialog->Update();
      wxMilliSleep(10);
    }
    const wxRect area = dialog->GetScreenRect();
    const std::string path = folder + "/dialog_" + c.name + ".png";
    const std::string command = "import -window root -crop " + std::to_string(area.width) + "x" +
                                std::to_string(area.height) + "+" + std::to_string(area.x) + "+" +
                                std::to_string(area.y) + " " + path;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    dialog->Hide();
  }
}

}  // namespace
