// Small building blocks shared by the dialog layouts: every control is a child
// of the dialog, added to a box sizer centred with a 5-pixel border.
#pragma once

#include <wx/wx.h>

#include <initializer_list>

namespace vt::layout {

constexpr int kBorder = 5;

// Adds an item centred with the usual border on all sides.
void AddCentred(wxSizer* sizer, wxWindow* item);
void AddCentred(wxSizer* sizer, wxSizer* item);

// A horizontal row (or vertical column) added to `outer` with the given flags.
wxBoxSizer* AddRow(wxSizer* outer, int flags = wxALIGN_CENTER | wxALL, int border = kBorder);
wxBoxSizer* AddColumn(wxSizer* outer, int flags = wxALIGN_CENTER | wxALL, int border = kBorder);
// A titled group: a static box with its own box sizer, added centred to `outer`.
wxStaticBoxSizer* AddGroup(wxWindow* parent, wxSizer* outer, const wxString& title, int orient,
                           int flags = wxALIGN_CENTER | wxALL);
void AddSpacer(wxSizer* sizer, int width, int height);

wxStaticText* AddLabel(wxWindow* parent, wxSizer* sizer, const wxString& text, long style = 0);
wxTextCtrl* AddTextBox(wxWindow* parent, wxSizer* sizer, int id, int width);
// Read-only text box on a light grey background: a value the user reads but does not type.
wxTextCtrl* AddReadOnlyBox(wxWindow* parent, wxSizer* sizer, int id, int width);
wxComboBox* AddComboBox(wxWindow* parent, wxSizer* sizer, int id, int width,
                        const wxArrayString& items);
wxButton* AddButton(wxWindow* parent, wxSizer* sizer, int id, const wxString& label,
                    int width = -1);
wxCheckBox* AddCheckBox(wxWindow* parent, wxSizer* sizer, int id, const wxString& label);

// GTK 3 cannot draw some controls narrower than their natural width (a vertical
// slider vanishes, a spin control loses its "+" button): such a control is
// widened to that width when the one asked for is smaller.
void WidenToDrawable(wxWindow* control);

wxArrayString Items(std::initializer_list<const char*> texts);

// Gives `top` to `parent` and fits the parent to it, as the flags ask; returns `top`.
wxSizer* FinishLayout(wxWindow* parent, wxSizer* top, bool call_fit, bool set_sizer);

}  // namespace vt::layout
