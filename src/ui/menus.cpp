// The main menu bar: seven menus, the Configuration menu torn off on demand.
#include "ui/vantorelrc_wdr.h"

#include <wx/menu.h>

namespace {

struct MenuEntry {
  const char* label;  // empty for a separator
  const char* help;
  int id;
  wxItemKind kind;
};

const MenuEntry kSeparator = {"", "", wxID_SEPARATOR, wxITEM_SEPARATOR};

const MenuEntry kFaxMenu[] = {
    {"Recieve &Fax", "Start Receiving a fax", ID_RECIEVE, wxITEM_CHECK},
    {"Start Navtex", "Start Navtex Reception", ID_NAVTEX, wxITEM_CHECK},
    {"Start Telex", "Start Telex Reception", ID_TELEX, wxITEM_CHECK},
    {"S&top Receiving", "Terminate fax reception", ID_STOP, wxITEM_NORMAL},
    {"R&eception Status", "Display fax Reception Status", ID_STATUS, wxITEM_NORMAL},
    kSeparator,
    {"&Open\tCtrl-O", "Open a File", wxID_OPEN, wxITEM_CHECK},
    {"&Close Picture\tCtrl-f4", "Close current picture", ID_CLOSE, wxITEM_NORMAL},
    {"&Save", "Save current picture", wxID_SAVE, wxITEM_NORMAL},
    {"Save &As", "Save under a new name", wxID_SAVEAS, wxITEM_NORMAL},
    {"&Delete", "Delete current picture", ID_DELETE, wxITEM_NORMAL},
    kSeparator,
    {"&Print\tCtrl-P", "Print the chart", wxID_PRINT, wxITEM_NORMAL},
    {"P&rint Preview", "Prevew the chart prior to printing", wxID_PREVIEW, wxITEM_NORMAL},
    {"Print &Setup", "Set up printer", wxID_PRINT_SETUP, wxITEM_NORMAL},
    {"Quit", "Exit the program", wxID_EXIT, wxITEM_NORMAL},
};

const MenuEntry kViewMenu[] = {
    {"&Toolbar", "Show/Hide Toolbar", ID_TOOLBAR, wxITEM_CHECK},
    {"Tool &Box", "Show/Hide Tool Box", ID_TOOLBOX, wxITEM_CHECK},
    {"T&uning Scope", "Show /Hide Tuning scope", ID_TUNINGSCOPE, wxITEM_CHECK},
    {"&Frequency Control", "Show Hide Radio tuning parameters", ID_FREQUENCYCONT, wxITEM_CHECK},
};

const MenuEntry kEditMenu[] = {
    {"&Copy\tCtrl-C", "Copy to Clipboard", wxID_COPY, wxITEM_NORMAL},
    {"&Undo\tCtrl-z", "Undo Last Operation", ID_UNDO, wxITEM_NORMAL},
};

const MenuEntry kPictureMenu[] = {
    {"Define Left &Margin", "Define left margin with mouse and double click", ID_DEFLEFT,
     wxITEM_CHECK},
    {"Rotate &Right", "Rotate picture 90 degrees to the right", ID_ROTRIGHT, wxITEM_NORMAL},
    {"Rotate &Left", "Rotate picture 90 degrees to the left", ID_ROTLEFT, wxITEM_NORMAL},
    {"&Flip Vertically", "Rotate image 180 degrees", ID_FLIP, wxITEM_NORMAL},
    kSeparator,
    {"&Trim Edges", "Define the boundary of the fax and trim", ID_TRIMEDGE, wxITEM_CHECK},
    {"Fix &Horizontal Break", "Repair fax by shifting broken portion sideways", ID_FIXBREAK,
     wxITEM_CHECK},
    {"Trim &End", "Trim off the bottom of the fax", ID_TRIMEND, wxITEM_CHECK},
    kSeparator,
    {"&Zoom In", "Zoom in one level on picture", ID_ZOOMIN, wxITEM_CHECK},
    {"Zoom &Out", "Zoom out one level", ID_ZOOMOUT, wxITEM_NORMAL},
    {"&Normal View", "Show image at normal magnification", ID_NORMAL, wxITEM_NORMAL},
    kSeparator,
    {"C&hange Colour Scheme", "Cycle through different colour palettes.", ID_COLOUR, wxITEM_NORMAL},
    {"Clean &Up", "Clean up the fax picture", ID_CLEAN, wxITEM_NORMAL},
    {"Global Histogram &Equalization", "Expand the tonal range based on the entire image",
     ID_GLOBALHIST, wxITEM_NORMAL},
    {"Skew Ri&ght", "Adjust diagonal skew to the right", ID_SKEWRIGHT, wxITEM_NORMAL},
    {"Skew Le&ft", "Adjust diagonal skew to the left", ID_SKEWLEFT, wxITEM_NORMAL},
    {"Noise Filter", "Finlter out noise", ID_FILTER, wxITEM_CHECK},
    {"&Smooth", "Smooth the image.", ID_SMOOTH, wxITEM_NORMAL},
};

const MenuEntry kConfigurationMenu[] = {
    {"&Reception Properties", "Change reception properties", ID_PROPERTIES, wxITEM_NORMAL},
    {"&Working Folder", "Set the normal folder for storing faxes", ID_WORKINGFOLDER, wxITEM_NORMAL},
    kSeparator,
};

const MenuEntry kRadioInterfaceMenu[] = {
    {"&Set Radio", "Adjust radio settings", ID_SETRADIO, wxITEM_CHECK},
    {"Tune Up 1Khz", "Increase receive frequency by 1 kHz", ID_UP1K, wxITEM_CHECK},
    {"Tune Down 1 Khz", "Decrease receive frequency by 1 kHz", ID_DOWN1K, wxITEM_CHECK},
    {"Tune Up 100 Hz", "Increase receive frequency by 100 Hz", ID_UP100, wxITEM_CHECK},
    {"Tune Down 100 Hz", "Decrease receive frequency by 100 Hz", ID_DOWN100, wxITEM_CHECK},
    {"Increase Volume", "Increase receiver volume", ID_VOLUP, wxITEM_NORMAL},
    {"Decrease Volume", "Decrease receive volume", ID_VOLDOWN, wxITEM_NORMAL},
    {"Power On/Off", "Turn radio on or off", ID_POWER, wxITEM_NORMAL},
    {"Attenuate Signal", "Attenuate the signal", ID_ATTEN, wxITEM_NORMAL},
    {"Change Radio Type", "Change the model of the radio", ID_RADIO, wxITEM_NORMAL},
};

const MenuEntry kAutomationMenu[] = {
    {"&Autostart", "Receive the next fax automatically at the next start tone", ID_AUTOSTART,
     wxITEM_NORMAL},
    {"Auto&Continous", "Receive all faxes automatically and save them", ID_AUTOCONTINOUS,
     wxITEM_CHECK},
    kSeparator,
    {"AutoS&chedule", "Prepare reception schedules, start unattended operation", ID_AUTOSCHEDULE,
     wxITEM_CHECK},
    {"&Database Lookup", "Look up information in weather fax database", ID_DATABASE, wxITEM_NORMAL},
};

const MenuEntry kHelpMenu[] = {
    {"&Index", "Read the help file", wxID_HELP_CONTENTS, wxITEM_NORMAL},
    {"About", "Display version and copyright information", wxID_ABOUT, wxITEM_NORMAL},
};

template <size_t N>
wxMenu* MakeMenu(const MenuEntry (&entries)[N], long style = 0) {
  wxMenu* menu = new wxMenu(style);
  for (const MenuEntry& entry : entries) {
    if (entry.kind == wxITEM_SEPARATOR)
      menu->AppendSeparator();
    else
      menu->Append(entry.id, entry.label, entry.help, entry.kind);
  }
  return menu;
}

wxMenu* MakeConfigurationMenu() {
  wxMenu* menu = MakeMenu(kConfigurationMenu, wxMENU_TEAROFF);
  menu->Append(ID_MENU, "&Radio Interface", MakeMenu(kRadioInterfaceMenu), "");
  return menu;
}

}  // namespace

wxMenuBar* MyMenuBarFunc() {
  wxMenuBar* bar = new wxMenuBar(wxMB_DOCKABLE);
  bar->Append(MakeMenu(kFaxMenu), "&Fax");
  bar->Append(MakeMenu(kViewMenu), "&View");
  bar->Append(MakeMenu(kEditMenu), "&Edit");
  bar->Append(MakeMenu(kPictureMenu), "&Picture");
  bar->Append(MakeConfigurationMenu(), "C&onfiguration");
  bar->Append(MakeMenu(kAutomationMenu), "&Automation");
  bar->Append(MakeMenu(kHelpMenu), "&Help");
  return bar;
}
