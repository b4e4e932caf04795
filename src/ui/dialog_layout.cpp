#include "ui/dialog_layout.h"

#include "ui/vantorelrc_wdr.h"

namespace vt::layout {

void AddCentred(wxSizer* sizer, wxWindow* item) {
  sizer->Add(item, 0, wxALIGN_CENTER | wxALL, kBorder);
}

void AddCentred(wxSizer* sizer, wxSizer* item) {
  sizer->Add(item, 0, wxALIGN_CENTER | wxALL, kBorder);
}

wxBoxSizer* AddRow(wxSizer* outer, int flags, int border) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  outer->Add(row, 0, flags, border);
  return row;
}

wxBoxSizer* AddColumn(wxSizer* outer, int flags, int border) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  outer->Add(column, 0, flags, border);
  return column;
}

wxStaticBoxSizer* AddGroup(wxWindow* parent, wxSizer* outer, const wxString& title, int orient,
                           int flags) {
  auto* box = new wxStaticBox(parent, wxID_ANY, title);
  auto* group = new wxStaticBoxSizer(box, orient);
  outer->Add(group, 0, flags, kBorder);
  return group;
}

void AddSpacer(wxSizer* sizer, int width, int height) {
  sizer->Add(width, height, 0, wxALIGN_CENTER | wxALL, kBorder);
}

wxStaticText* AddLabel(wxWindow* parent, wxSizer* sizer, const wxString& text, long style) {
  auto* label = new wxStaticText(parent, ID_TEXT, text, wxDefaultPosition, wxDefaultSize, style);
  AddCentred(sizer, label);
  return label;
}

wxTextCtrl* AddTextBox(wxWindow* parent, wxSizer* sizer, int id, int width) {
  auto* box = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1));
  AddCentred(sizer, box);
  return box;
}

wxTextCtrl* AddReadOnlyBox(wxWindow* parent, wxSizer* sizer, int id, int width) {
  auto* box = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1),
                             wxTE_READONLY);
  box->SetBackgroundColour(*wxLIGHT_GREY);
  AddCentred(sizer, box);
  return box;
}

wxComboBox* AddComboBox(wxWindow* parent, wxSizer* sizer, int id, int width,
                        const wxArrayString& items) {
  auto* combo = new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1),
                               items, wxCB_DROPDOWN);
  AddCentred(sizer, combo);
  return combo;
}

wxButton* AddButton(wxWindow* parent, wxSizer* sizer, int id, const wxString& label, int width) {
  auto* button = new wxButton(parent, id, label, wxDefaultPosition, wxSize(width, -1));
  AddCentred(sizer, button);
  return button;
}

wxCheckBox* AddCheckBox(wxWindow* parent, wxSizer* sizer, int id, const wxString& label) {
  auto* box = new wxCheckBox(parent, id, label);
  AddCentred(sizer, box);
  return box;
}

void WidenToDrawable(wxWindow* control) {
  const wxSize asked = control->GetMinSize();
  const int natural = control->GetBestSize().x;
  if (asked.x < natural) control->SetMinSize(wxSize(natural, asked.y));
}

wxArrayString Items(std::initializer_list<const char*> texts) {
  wxArrayString items;
  for (const char* text : texts) items.Add(text);
  return items;
}

wxSizer* FinishLayout(wxWindow* parent, wxSizer* top, bool call_fit, bool set_sizer) {
  if (set_sizer) {
    parent->SetSizer(top);
    if (call_fit) top->SetSizeHints(parent);
  }
  return top;
}

}  // namespace vt::layout
