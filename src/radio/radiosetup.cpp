#include "radio/radiosetup.h"

#include "ui/vantorelrc_wdr.h"

CRadioSetup::CRadioSetup(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                         const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
  RadioSetup(this, true, true);
  m_select = static_cast<wxComboBox*>(FindWindow(ID_RADIOLIST));
  m_comport = static_cast<wxComboBox*>(FindWindow(ID_COMPORT));
}
