// The receiver type and serial port dialog.
#pragma once

#include <wx/combobox.h>
#include <wx/wx.h>

class CRadioSetup : public wxDialog {
 public:
  CRadioSetup(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
              const wxSize& size, long style);
  bool TransferDataToWindow() override { return true; }
  bool TransferDataFromWindow() override { return true; }

  wxComboBox* m_select = nullptr;
  wxComboBox* m_comport = nullptr;
};
