// Layouts of the reception, radio, schedule, status and About dialogs.
#include <wx/listctrl.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>

#include "ui/dialog_layout.h"
#include "ui/vantorelrc_wdr.h"

using namespace vt::layout;

namespace {

// A row whose label and box line up at the right edge with the rows around it.
wxBoxSizer* AddRightAlignedRow(wxSizer* column) {
  return AddRow(column, wxALIGN_RIGHT | wxALL);
}

void AddLabelledCombo(wxWindow* parent, wxSizer* column, const wxString& label, int id,
                      const wxArrayString& items) {
  wxBoxSizer* row = AddRightAlignedRow(column);
  AddLabel(parent, row, label);
  AddComboBox(parent, row, id, 100, items);
}

void AddLabelledBox(wxWindow* parent, wxSizer* column, const wxString& label, int id) {
  wxBoxSizer* row = AddRightAlignedRow(column);
  AddLabel(parent, row, label);
  AddTextBox(parent, row, id, 80);
}

void AddOkCancel(wxWindow* parent, wxSizer* sizer) {
  AddButton(parent, sizer, wxID_OK, "&OK");
  AddButton(parent, sizer, wxID_CANCEL, "&Cancel");
}

wxArrayString ComPorts() {
  wxArrayString ports;
  for (int n = 1; n <= 17; ++n) ports.Add(wxString::Format("COM%d", n));
  return ports;
}

// Check boxes of the reception dialog sit one under the other, left-aligned,
// with a 20 by 20 gap between them.
void AddControlsGroup(wxWindow* parent, wxSizer* column) {
  wxStaticBoxSizer* group = AddGroup(parent, column, "Controls", wxVERTICAL, wxEXPAND | wxALL);
  const struct {
    int id;
    const char* label;
  } boxes[] = {{ID_DETECTSTOP, "Detect Stop Tone"},
               {ID_LOWFREQ, "Low Frequency Mode"},
               {ID_AUTOON, "AutoSchedule on at Startup"},
               {ID_RADIO, "Radio Interface"}};
  for (const auto& box : boxes) {
    if (box.id != ID_DETECTSTOP) AddSpacer(group, 20, 20);
    group->Add(new wxCheckBox(parent, box.id, box.label), 0, wxALIGN_LEFT | wxALL, kBorder);
  }
}

}  // namespace

wxSizer* Config(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxHORIZONTAL);

  wxBoxSizer* left = AddColumn(top);
  wxStaticBoxSizer* communications =
      AddGroup(parent, left, "Communications", wxVERTICAL, wxEXPAND | wxALL);
  AddLabelledCombo(parent, communications, "IOC", ID_IOC, Items({"288", "576"}));
  AddLabelledCombo(parent, communications, "Speed", ID_SPEED, Items({"60", "90", "120", "240"}));
  wxStaticBoxSizer* reception =
      AddGroup(parent, left, "Reception and AutoStart", wxVERTICAL, wxEXPAND | wxALL);
  AddLabelledBox(parent, reception, "Skew", ID_SKEW);
  AddLabelledBox(parent, reception, "Low P", ID_LOWP);
  AddLabelledBox(parent, reception, "High P", ID_HIGHP);

  wxBoxSizer* right = AddColumn(top, wxALIGN_CENTER | wxALL, 10);
  AddControlsGroup(parent, right);
  AddOkCancel(parent, AddRow(right));

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* RadioSetup(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  wxBoxSizer* port = AddRow(top);
  AddLabel(parent, port, "Radio COM");
  AddComboBox(parent, port, ID_COMPORT, 100, ComPorts());
  AddOkCancel(parent, AddColumn(port));

  AddLabel(parent, top, "Please select a radio from the list");
  AddComboBox(parent, top, ID_RADIOLIST, 250,
              Items({"NONE", "ICOM M802", "ICOM M710", "ICOM M700 PRO", "ICOM M710 RT",
                     "IC-PCR1000", "IC-PCR1500", "LOWE HF150"}));

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* AutoSchedule(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  AddCheckBox(parent, top, ID_CHECKBOX, "&Check here for continuous recording or use schedule:");

  wxBoxSizer* duration = AddRow(top);
  AddLabel(parent, duration, "Each Fax has a maximum duration of ");
  AddTextBox(parent, duration, ID_DURATIONX, 30);
  AddLabel(parent, duration, "minutes (0 for Maximum)");

  AddCentred(top, new wxStaticLine(parent, ID_LINE, wxDefaultPosition, wxSize(300, -1),
                                   wxLI_HORIZONTAL));

  wxBoxSizer* actions = AddRow(top);
  AddButton(parent, actions, ID_REFRESH, "&Refresh");
  AddButton(parent, actions, ID_LOOKUP, "&Database Lookup");
  AddButton(parent, actions, ID_READ, "&Read");

  AddCentred(top, new wxListCtrl(parent, ID_LISTCTRL, wxDefaultPosition, wxSize(300, 160),
                                 wxLC_REPORT | wxSUNKEN_BORDER));

  wxBoxSizer* file = AddRow(top);
  AddLabel(parent, file, "Schedule File:");
  AddReadOnlyBox(parent, file, ID_FILENAMEX, 100);
  AddReadOnlyBox(parent, file, ID_STATUS, 80);

  wxBoxSizer* buttons = AddRow(top);
  AddButton(parent, buttons, wxID_CANCEL, "&Cancel");
  AddButton(parent, buttons, wxID_OK, "&OK");

  wxStaticBoxSizer* customize = AddGroup(parent, top, "Customize", wxHORIZONTAL);
  AddButton(parent, customize, ID_ADD, "&Add Entry");
  AddButton(parent, customize, ID_CLEAR, "&Clear Entry");
  AddButton(parent, customize, ID_CLEARALL, "Cl&ear All Entries");
  AddButton(parent, customize, ID_SAVE, "&Save");

  wxStaticBoxSizer* pcr = AddGroup(parent, top, "PCR 1000 Auto Control", wxHORIZONTAL);
  AddComboBox(parent, pcr, ID_COMBO, 200,
              Items({"Disable Auto Frequency Selection", "Change Frequency When Noisy"}));

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* AddEntry(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  wxBoxSizer* entry = AddRow(top);
  const struct {
    const char* label;
    int id;
    int width;
  } boxes[] = {{"HH", ID_HH, 30}, {"MM", ID_MM, 30}, {"Descr", ID_DESCR, 160}, {"Freq", ID_FREQ, 80}};
  for (const auto& box : boxes) {
    AddLabel(parent, entry, box.label);
    AddTextBox(parent, entry, box.id, box.width);
  }
  wxBoxSizer* buttons = AddColumn(entry);
  AddButton(parent, buttons, wxID_OK, "&OK");
  AddButton(parent, buttons, wxID_CANCEL, "&CANCEL");

  wxBoxSizer* ioc = AddRightAlignedRow(top);
  AddCheckBox(parent, ioc, ID_CHECKBOX, "IOC 288 ?");

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* FaxStatus(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxHORIZONTAL);

  wxBoxSizer* fields = AddColumn(top);
  const struct {
    const char* label;
    int id;
  } rows[] = {{"Connection", ID_CONNECTION},
              {"AutoStart", ID_AUTOSTART},
              {"AutoSched", ID_AUTOSCHED},
              {"Next fax", ID_NEXTFAX},
              {"Buffer Size", ID_BUFFERSIZE}};
  for (const auto& field : rows) {
    wxBoxSizer* row = AddRightAlignedRow(fields);
    AddLabel(parent, row, field.label);
    AddReadOnlyBox(parent, row, field.id, 80);
  }
  AddButton(parent, top, wxID_OK, "OK");

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* SetRadio(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  wxBoxSizer* frequency = AddRightAlignedRow(top);
  AddLabel(parent, frequency, "Frequency (khz)");
  AddTextBox(parent, frequency, ID_FREQ, 80);
  AddButton(parent, frequency, wxID_OK, "&OK");

  wxBoxSizer* bfo = AddRightAlignedRow(top);
  AddLabel(parent, bfo, "BFO");
  auto* offset = new wxSpinCtrl(parent, ID_BFO, "-2000", wxDefaultPosition, wxSize(100, -1), 0,
                                -3000, 3000, -2000);
  WidenToDrawable(offset);
  AddCentred(bfo, offset);
  AddButton(parent, bfo, wxID_CANCEL, "&Cancel");

  wxBoxSizer* switches = AddRow(top);
  AddCheckBox(parent, switches, ID_ATTEN, "Att");
  AddCheckBox(parent, switches, ID_POWERBOX, "Power");

  return FinishLayout(parent, top, call_fit, set_sizer);
}

wxSizer* About(wxWindow* parent, bool call_fit, bool set_sizer) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  wxBoxSizer* title = AddRow(top);
  AddCentred(title, new wxStaticBitmap(parent, ID_STATICBITMAP, MyBitmapsFunc(25)));
  AddLabel(parent, title, "Vantorel USB 9.04c");

  AddLabel(parent, top,
           "Receives weather-fax pictures and RTTY and NAVTEX text\n"
           "from marine and aviation HF broadcasts through the\n"
           "Vantorel demodulator, and tunes the attached receiver.",
           wxALIGN_CENTRE_HORIZONTAL);
  AddLabel(parent, top, "Built with wxWidgets " wxVERSION_NUM_DOT_STRING " and PortAudio v19");

  return FinishLayout(parent, top, call_fit, set_sizer);
}
