// The application object: configuration stores, document kinds, start-up and shutdown.
#pragma once

#include <wx/cshelp.h>
#include <wx/docview.h>
#include <wx/fileconf.h>
#include <wx/snglinst.h>
#include <wx/statusbr.h>
#include <wx/wx.h>

#include <string>

class vantorelFrame;
class MyShortStatusBar;

// The application's own name for its stores and lock.
constexpr const char* kAppConfigName = "VANTOREL";
constexpr const char* kSharedConfigName = "CUMULIX";
constexpr const char* kMainTitle = "Vantorel 9.04c USB ";

class vantorelApp : public wxApp {
 public:
  vantorelApp();
  ~vantorelApp() override;

  bool OnInit() override;
  int OnExit() override;

  vantorelFrame* GetMainFrame() { return m_mainFrame; }
  wxMDIChildFrame* CreateChildFrame(wxDocument* doc, wxView* view, bool isCanvas);
  void RecreateToolbar(wxMDIChildFrame* frame);
  void RecreateToolBox();

  void OnToolbox(wxCommandEvent& event);
  void OnUpdateToolbox(wxUpdateUIEvent& event);
  void About(wxCommandEvent& event);
  void Help(wxCommandEvent& event);

  // Options beyond the document argument (see ParseCommandLine).
  const wxString& AudioFile() const { return audioFile; }
  double AudioShift() const { return audioShift; }
  // True when --quick was given: no splash and no start-up pauses (tests, screenshots).
  bool QuickStart() const { return quickStart; }

  wxSingleInstanceChecker* m_checker = nullptr;
  wxCommandEvent NotUsed;
  bool PaletteDraw = false;
  wxHelpControllerHelpProvider* provider = nullptr;
  wxString WorkDir;
  wxString DefDir;
  wxString Path;
  wxPrintData* g_printData = nullptr;
  wxFrame* ToolBox = nullptr;
  MyShortStatusBar* m_statboxCustom = nullptr;
  bool bToolbox = false;
  wxFileConfig* config = nullptr;
  wxFileConfig* gconfig = nullptr;
  wxMenuBar* MainM = nullptr;
  long timeErr = 0;
  wxDocManager* m_docManager = nullptr;
  vantorelFrame* m_mainFrame = nullptr;

 private:
  bool ParseCommandLine();
  void ShowSplash();
  wxString RestoreRecentFiles();
  void Pause(int milliseconds);
  wxWindow* FindToolBox();

  wxString audioFile;
  double audioShift = 0.0;
  bool quickStart = false;
  bool receiveAtStart = false;
  long quitAfterMs = 0;
  wxTimer* quitTimer = nullptr;

  wxDECLARE_EVENT_TABLE();
};

vantorelApp& wxGetApp();

// The tool box's status bar: a grey ramp button the palette code repaints.
class MyShortStatusBar : public wxStatusBar {
 public:
  explicit MyShortStatusBar(wxWindow* parent);
  void OnSize(wxSizeEvent& event);

  wxBitmapButton* m_bbut = nullptr;
  wxImage* bbutim = nullptr;
  wxBitmap bbmp;

  ~MyShortStatusBar() override;

 private:
  wxDECLARE_EVENT_TABLE();
};

// Opens a wxFileConfig store the way the program keeps all its stores.
wxFileConfig* OpenConfigStore(const wxString& appName);

// Reads a string key, its default written nowhere.
wxString ReadString(wxConfigBase* config, const wxString& key, const wxString& def);
long ReadLong(wxConfigBase* config, const wxString& key, long def);

// The program's own store (the application's `config`).
wxConfigBase* AppStore();

// A wx string as UTF-8 bytes, for the window-free code.
inline std::string ToUtf8(const wxString& s) { return std::string(s.utf8_str()); }
