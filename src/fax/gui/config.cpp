// Reception properties: IOC, speed, skew, phasing thresholds, stop tone,
// low-frequency mode, and whether a receiver is attached.
#include "fax/gui/config.h"

#include "app/messages.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "radio/radiosetup.h"
#include "ui/vantorelrc_wdr.h"

CFaxConfig::CFaxConfig(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                       const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
  Config(this, true, true);
  m_speed = static_cast<wxComboBox*>(FindWindow(ID_SPEED));
  m_ioc = static_cast<wxComboBox*>(FindWindow(ID_IOC));
}

bool CFaxConfig::TransferDataToWindow() {
  static_cast<wxCheckBox*>(FindWindow(ID_RADIO))->SetValue(m_radioint);
  static_cast<wxCheckBox*>(FindWindow(ID_LOWFREQ))->SetValue(m_low);
  static_cast<wxCheckBox*>(FindWindow(ID_DETECTSTOP))->SetValue(m_stoptone);
  static_cast<wxCheckBox*>(FindWindow(ID_AUTOON))->SetValue(m_auto_start);
  static_cast<wxTextCtrl*>(FindWindow(ID_SKEW))->SetValue(wxString::Format("%i", m_skew));
  static_cast<wxTextCtrl*>(FindWindow(ID_HIGHP))->SetValue(wxString::Format("%i", m_lowpass));
  static_cast<wxTextCtrl*>(FindWindow(ID_LOWP))->SetValue(wxString::Format("%i", m_highpass));
  return true;
}

void CFaxConfig::ReadNumber(int id, int low, int high, const char* message, int& value) {
  long number = 0;
  const wxString text = static_cast<wxTextCtrl*>(FindWindow(id))->GetValue().Trim().Trim(false);
  if (!text.ToLong(&number) || number < low || number > high) {
    vt::ShowMessage(message);
    Valid = false;
    return;
  }
  value = static_cast<int>(number);
}

bool CFaxConfig::TransferDataFromWindow() {
  Valid = true;
  m_radioint = static_cast<wxCheckBox*>(FindWindow(ID_RADIO))->GetValue();
  m_low = static_cast<wxCheckBox*>(FindWindow(ID_LOWFREQ))->GetValue();
  m_stoptone = static_cast<wxCheckBox*>(FindWindow(ID_DETECTSTOP))->GetValue();
  m_auto_start = static_cast<wxCheckBox*>(FindWindow(ID_AUTOON))->GetValue();
  ReadNumber(ID_HIGHP, 0, 1200, "Invalid Value for LOWP", m_lowpass);
  ReadNumber(ID_LOWP, 0, 1200, "Invalid Value for highp", m_highpass);
  ReadNumber(ID_SKEW, 0, 255, "Invalid Value for Skew", m_skew);
  return Valid;
}

namespace {

void SelectEntry(wxComboBox* box, const wxString& value) {
  const int at = box->FindString(value, true);
  box->SetSelection(at);  // wxNOT_FOUND leaves no selection
  if (at == wxNOT_FOUND) box->SetValue("");
}

}  // namespace

void vantorelFrame::FillFaxConfig(CFaxConfig& dialog) {
  dialog.m_radioint = ReadString(AppStore(), "RadioPresent", "NO") == "YES";
  SelectEntry(dialog.m_ioc, wxString::FromUTF8(fax.ioc.c_str()));
  SelectEntry(dialog.m_speed, wxString::FromUTF8(fax.speed.c_str()));
  dialog.m_skew = vt::fax::SkewToK(fax.skew);
  dialog.m_lowpass = static_cast<int>(fax.lowpass);
  dialog.m_highpass = static_cast<int>(fax.highpass);
  dialog.m_low = ActiveBypass;
  dialog.m_stoptone = fax.stoptone;
  dialog.m_auto_start = autoflg;
  dialog.TransferDataToWindow();
}

void vantorelFrame::ApplyFaxConfig(CFaxConfig& dialog) {
  fax.ioc = ToUtf8(dialog.m_ioc->GetStringSelection());
  fax.skew = vt::fax::KToSkew(dialog.m_skew);
  ShowSkew();
  fax.speed = ToUtf8(dialog.m_speed->GetStringSelection());
  fax.lowpass = static_cast<unsigned>(dialog.m_lowpass);
  fax.highpass = static_cast<unsigned>(dialog.m_highpass);
  fax.stoptone = dialog.m_stoptone;
  ActiveBypass = dialog.m_low;
  autoflg = dialog.m_auto_start;

  AppStore()->Write("SSkew", static_cast<long>(fax.skew));
  AppStore()->Write("Lowpass", static_cast<long>(fax.lowpass));
  AppStore()->Write("Highpass", static_cast<long>(fax.highpass));
  AppStore()->Write("Wkstop", fax.stoptone ? 1L : 0L);
  AppStore()->Write("ioc", wxString::FromUTF8(fax.ioc.c_str()));
  AppStore()->Write("speed", wxString::FromUTF8(fax.speed.c_str()));
  ApplyReceiverInterface(dialog.m_radioint);
}

void vantorelFrame::ApplyReceiverInterface(bool ticked) {
  if (!ticked) {
    AppStore()->Write("RadioPresent", "NO");
    return;
  }
  if (ReadString(AppStore(), "RadioPresent", "NO") != "NO") return;
  CRadioSetup setup(this, -1, "Configure Radio", wxPoint(200, 200), wxDefaultSize,
                    wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  SelectEntry(setup.m_select, ReadString(AppStore(), "RadioType", "NONE"));
  SelectEntry(setup.m_comport, ReadString(AppStore(), "RadioComport", "COM1"));
  if (setup.ShowModal() != wxID_OK) return;
  AppStore()->Write("RadioType", setup.m_select->GetStringSelection());
  AppStore()->Write("RadioComport", setup.m_comport->GetStringSelection());
  vt::ShowMessage("Radio interface activated. Please close Vantorel and restart.");
  AppStore()->Write("RadioPresent", "YES");
}

void vantorelFrame::OnConfigure(wxCommandEvent&) {
  CFaxConfig dialog(this, -1, "Configure Reception", wxPoint(150, 150), wxDefaultSize,
                    wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  FillFaxConfig(dialog);
  if (dialog.ShowModal() == wxID_OK) ApplyFaxConfig(dialog);
}

void vantorelFrame::OnConfigurationFilter(wxCommandEvent&) {
  fax.bFilter = !fax.bFilter;
  AppStore()->Write("FILTER", fax.bFilter ? "TRUE" : "FALSE");
}

void vantorelFrame::OnUpdateConfigurationFilter(wxUpdateUIEvent& event) { event.Check(fax.bFilter); }
