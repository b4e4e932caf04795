// The reception properties dialog ("Configure Reception").
#pragma once

#include <wx/combobox.h>
#include <wx/wx.h>

class CFaxConfig : public wxDialog {
 public:
  CFaxConfig(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
             const wxSize& size, long style);
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  bool Valid = true;
  wxComboBox* m_speed = nullptr;
  wxComboBox* m_ioc = nullptr;
  int m_skew = 0;
  int m_lowpass = 0;
  int m_highpass = 0;
  bool m_radioint = false;
  bool m_low = false;
  bool m_stoptone = false;
  bool m_auto_start = false;

 private:
  // Reads a whole number in [low, high] from the box with this id into value;
  // otherwise shows the message and clears Valid.
  void ReadNumber(int id, int low, int high, const char* message, int& value);
};
