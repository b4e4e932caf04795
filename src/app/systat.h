// The reception status dialog.
#pragma once

#include <wx/wx.h>

#include "ui/vantorelrc_wdr.h"

class CSystat : public wxDialog {
 public:
  CSystat(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
          const wxSize& size, long style);
  bool TransferDataToWindow() override;

  wxString m_bufsize;
  wxString m_next_fax;
  wxString m_timer;
  wxString m_autostart;
  wxString m_connection;

  wxTextCtrl* GetConnection() { return static_cast<wxTextCtrl*>(FindWindow(ID_CONNECTION)); }
  wxTextCtrl* GetAutostart() { return static_cast<wxTextCtrl*>(FindWindow(ID_AUTOSTART)); }
  wxTextCtrl* GetAutosched() { return static_cast<wxTextCtrl*>(FindWindow(ID_AUTOSCHED)); }
  wxTextCtrl* GetNextfax() { return static_cast<wxTextCtrl*>(FindWindow(ID_NEXTFAX)); }
  wxTextCtrl* GetBuffersize() { return static_cast<wxTextCtrl*>(FindWindow(ID_BUFFERSIZE)); }
};
