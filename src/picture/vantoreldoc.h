// The fax picture document: the picture, its grey-level index map, the
// single undo buffer, the current editing tool and the Clean Up palette.
#pragma once

#include <wx/docview.h>
#include <wx/wx.h>

#include <functional>
#include <vector>

class CSeed;
class vantorelView;

// Width and height of a new picture: one full fax.
constexpr int kNewPictureWidth = 1280;
constexpr int kNewPictureHeight = 2400;

class vantorelDoc : public wxDocument {
 public:
  vantorelDoc();
  ~vantorelDoc() override;

  bool OnSaveDocument(const wxString& path) override;
  bool OnOpenDocument(const wxString& path) override;
  bool OnNewDocument() override;
  bool IsModified() const override;
  void Modify(bool modified) override;

  void SaveBuffer();
  void SaveTemp();
  void RestoreBuffer();
  // Selects an editing tool and shows its cursor.
  void SelectTool(int tool);
  // A picture with rows to show.
  bool HasPicture() const { return m_hDIB.IsOk() && m_hDIB.GetHeight() > 0; }
  vantorelView* FirstPictureView() const;

  void OnClose(wxCommandEvent& event);
  void OnFaxDelete(wxCommandEvent& event);
  void OnUndo(wxCommandEvent& event);
  void OnUpdateUndo(wxUpdateUIEvent& event);
  void OnConfigurationSetdefaultdirectory(wxCommandEvent& event);
  void OnPictureZoomin(wxCommandEvent& event);
  // Reception bandwidth tools: wide band is "PHOTO", narrow band "CHART".
  void OnPictureWideband(wxCommandEvent& event);
  void OnUpdatePictureWideband(wxUpdateUIEvent& event);
  void OnPictureNarrowband(wxCommandEvent& event);
  void OnUpdatePictureNarrowband(wxUpdateUIEvent& event);

  // Asks for a folder; an empty answer means cancelled. Replaceable for tests.
  static std::function<wxString()> FolderChooser;

  wxImage m_hDIB;
  std::vector<unsigned char> holdDIB;
  std::vector<unsigned char> tempmap;
  wxString PathName;
  int ht = 0;
  CSeed* sdlg = nullptr;
  int savex = 0;
  int savey = 0;
  int cursel = 0;
  wxColour rgbPalette[256];
  bool BufferSaved = false;
  wxCursor m_cursel;

 private:
  void AllocateBuffers();
  void ShowFirstViewFullSize();
  void RememberRecentFile(const wxString& path);

  wxDECLARE_DYNAMIC_CLASS(vantorelDoc);
  wxDECLARE_EVENT_TABLE();
};

// Asks for folders until the user confirms one ("Confirm ? " + folder);
// returns it, or an empty string when the chooser was cancelled.
wxString ChooseConfirmedFolder(const std::function<wxString()>& chooser);

// Opens any picture file as a fax picture document, whatever its extension
// (the document manager itself goes by the ".dib" filter). Null on failure.
vantorelDoc* OpenPictureDocument(wxDocManager* manager, const wxString& path);
