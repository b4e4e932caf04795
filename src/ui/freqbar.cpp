// The frequency bar of the tool box: station and frequency choice and the radio buttons.
#include "ui/vantorelrc_wdr.h"

#include <wx/combobox.h>

#include <algorithm>

namespace {

// The station and frequency lists show these until the database fills them.
wxArrayString PlaceholderItems(const wxString& first, int count) {
  wxArrayString items;
  items.Add(first);
  for (int i = 0; i < count; ++i) items.Add("Item");
  return items;
}

void AddCentred(wxSizer* row, wxWindow* control) { row->Add(control, 0, wxALIGN_CENTER, 0); }

void AddCombo(wxWindow* parent, wxSizer* row, int id, int width, const wxArrayString& items) {
  AddCentred(row, new wxComboBox(parent, id, "", wxDefaultPosition, wxSize(width, -1), items,
                                 wxCB_DROPDOWN));
}

// The narrow radio buttons keep their listed width unless their label needs more:
// GTK 3 would otherwise cut labels such as "Vol<" short.
void AddButton(wxWindow* parent, wxSizer* row, int id, const wxString& label, int width) {
  wxButton* button =
      new wxButton(parent, id, label, wxDefaultPosition, wxSize(width, -1), wxBU_EXACTFIT);
  button->SetMinSize(wxSize(std::max(width, button->GetBestSize().x), -1));
  AddCentred(row, button);
}

void AddLabel(wxWindow* parent, wxSizer* row, const wxString& text) {
  AddCentred(row, new wxStaticText(parent, ID_TEXT, text));
}

void AddTextBox(wxWindow* parent, wxSizer* row, int id, int width, long style = 0) {
  wxTextCtrl* box = new wxTextCtrl(parent, id, "", wxDefaultPosition, wxSize(width, -1), style);
  if (style & wxTE_READONLY) box->SetBackgroundColour(*wxLIGHT_GREY);
  AddCentred(row, box);
}

}  // namespace

wxSizer* FreqBar(wxWindow* parent, bool call_fit, bool set_sizer) {
  wxBoxSizer* top = new wxBoxSizer(wxVERTICAL);
  wxBoxSizer* row = new wxBoxSizer(wxHORIZONTAL);

  AddCombo(parent, row, ID_STNCOMBO, 140, PlaceholderItems("NO STATIONS", 11));
  AddButton(parent, row, ID_FREQSET, "Freq>", 45);
  AddCombo(parent, row, ID_FREQCOMBO, 65, PlaceholderItems("NO FRQ", 8));
  AddLabel(parent, row, "<DB REC>");
  AddTextBox(parent, row, ID_FREQINUSE, 60, wxTE_READONLY);
  AddLabel(parent, row, "SSB");
  AddTextBox(parent, row, ID_SSB, 50);
  AddButton(parent, row, ID_SETRADIO, "Set", 25);
  AddButton(parent, row, ID_POW, "Pow", 30);
  AddButton(parent, row, ID_ATTEN, "Att", 30);
  AddButton(parent, row, ID_DOWN1K, "<<", 25);
  AddButton(parent, row, ID_DOWN100, "<", 20);
  AddButton(parent, row, ID_UP100, ">", 20);
  AddButton(parent, row, ID_UP1K, ">>", 25);
  AddButton(parent, row, ID_VOLDOWN, "Vol<", 25);
  AddButton(parent, row, ID_VOLUP, ">Vol", 25);

  top->Add(row, 0, wxALIGN_CENTER, 0);
  if (set_sizer) {
    parent->SetSizer(top);
    if (call_fit) top->SetSizeHints(parent);
  }
  return top;
}
