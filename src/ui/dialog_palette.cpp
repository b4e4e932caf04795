// Layout of the palette editor: three triples of colour sliders (start, middle
// and end colour), the colour buttons, the palette strip and the band sliders.
#include "ui/dialog_layout.h"
#include "ui/vantorelrc_wdr.h"

using namespace vt::layout;

namespace {

const int kLeftAligned = wxALIGN_LEFT | wxALL;

wxSlider* AddSlider(wxWindow* parent, wxSizer* sizer, int id, const wxSize& size, long style) {
  auto* slider = new wxSlider(parent, id, 0, 0, 100, wxDefaultPosition, size, style);
  AddCentred(sizer, slider);
  return slider;
}

wxBitmapButton* AddBitmapButton(wxWindow* parent, wxSizer* sizer, int id, const wxSize& size) {
  auto* button =
      new wxBitmapButton(parent, id, MyBitmapsFunc(0), wxDefaultPosition, size, wxBU_AUTODRAW);
  AddCentred(sizer, button);
  return button;
}

// Returns the width of one slider, so the labels below can line up with them.
int AddColourSliders(wxWindow* parent, wxSizer* row) {
  const int triples[3][3] = {{ID_SRED, ID_SGREEN, ID_SBLUE},
                             {ID_MRED, ID_MGREEN, ID_MBLUE},
                             {ID_ERED, ID_EGREEN, ID_EBLUE}};
  int width = 20;
  for (const auto& triple : triples) {
    for (int id : triple) {
      wxSlider* slider = AddSlider(parent, row, id, wxSize(20, 80), wxSL_VERTICAL | wxSL_AUTOTICKS);
      WidenToDrawable(slider);
      width = slider->GetMinSize().x;
    }
    AddSpacer(row, 20, 20);
  }
  wxBoxSizer* presets = AddColumn(row);
  AddLabel(parent, presets, "Presets");
  AddButton(parent, presets, ID_RGB, "R&GB");
  AddButton(parent, presets, ID_MONO, "&MONO");
  return width;
}

// Each label is as wide as the slider above it, so the columns stay aligned.
void AddColourLabels(wxWindow* parent, wxSizer* row, int slider_width) {
  const char* const triples[3][3] = {
      {"Red", "Grn", "Blue     "}, {"Red", "Grn", "Blue   "}, {"Red", "Grn", "Blue"}};
  for (const auto& triple : triples) {
    for (const char* text : triple) {
      AddCentred(row, new wxStaticText(parent, ID_TEXT, text, wxDefaultPosition,
                                       wxSize(slider_width, -1), wxST_NO_AUTORESIZE));
    }
    AddSpacer(row, 20, 20);
  }
  AddButton(parent, row, ID_APPLY, "&Apply", 100);
}

void AddColourButtons(wxWindow* parent, wxSizer* row) {
  AddLabel(parent, row, "Warmer");
  AddBitmapButton(parent, row, ID_WARMER, wxSize(40, -1));
  AddLabel(parent, row, "   Mid Value", wxST_NO_AUTORESIZE);
  AddBitmapButton(parent, row, ID_REFTEMP, wxSize(40, -1));
  AddLabel(parent, row, "    Cooler  ");
  AddBitmapButton(parent, row, ID_COOLER, wxSize(40, -1));
  AddSpacer(row, 20, 20);
  AddButton(parent, row, ID_REVERSE, "&Reverse", 50);
}

}  // namespace

wxSizer* PaletteEdit(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  const int slider_width = AddColourSliders(parent, AddRow(top, kLeftAligned));
  AddColourLabels(parent, AddRow(top, kLeftAligned), slider_width);
  AddColourButtons(parent, AddRow(top, kLeftAligned));

  wxBoxSizer* strip = AddRow(top, kLeftAligned);
  // The strip starts where the Ref slider below it starts.
  AddSpacer(strip, parent->GetTextExtent("Ref").x, 20);
  AddBitmapButton(parent, strip, ID_PALDIS, wxSize(256, 30));
  AddButton(parent, strip, ID_RESET, "R&eset");
  AddButton(parent, strip, ID_LOADPAL, "&Load Palette");

  wxBoxSizer* reference = AddRow(top, kLeftAligned);
  AddLabel(parent, reference, "Ref");
  AddSlider(parent, reference, ID_REFSLIDE, wxSize(256, -1), wxSL_HORIZONTAL | wxSL_AUTOTICKS);
  AddReadOnlyBox(parent, reference, ID_TEMP, 40);
  AddSpacer(reference, 37, 20);
  AddButton(parent, reference, ID_SAVEPAL, "&Save Palette");

  wxBoxSizer* spread = AddRow(top, kLeftAligned);
  AddLabel(parent, spread, "Spread    ");
  AddSlider(parent, spread, ID_SPREADSLIDE, wxSize(100, -1), wxSL_HORIZONTAL);
  AddButton(parent, spread, ID_MARK, "Mark Spread");
  AddCheckBox(parent, spread, ID_MASK, "Mask spread");

  return FinishLayout(parent, top, call_fit, set_sizer);
}
