// The fax picture document. (Minimal until the picture document lands.)
#pragma once

#include <wx/docview.h>
#include <wx/wx.h>

class vantorelDoc : public wxDocument {
 public:
  vantorelDoc() = default;

 private:
  wxDECLARE_DYNAMIC_CLASS(vantorelDoc);
};
