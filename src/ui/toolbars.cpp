// The three tool bars: main frame, tool box and telex window.
#include "ui/vantorelrc_wdr.h"

#include <wx/toolbar.h>

namespace {

struct ToolEntry {
  int id;  // wxID_SEPARATOR marks a separator
  size_t picture;
  wxItemKind kind;
  const char* tooltip;
  const char* help;
};

const ToolEntry kSeparator = {wxID_SEPARATOR, 0, wxITEM_SEPARATOR, "", ""};

const ToolEntry kMainTools[] = {
    {wxID_OPEN, 1, wxITEM_NORMAL, "Open", "Open a fax file"},
    {wxID_SAVEAS, 2, wxITEM_NORMAL, "Save changes", "Save to disk"},
    {wxID_COPY, 3, wxITEM_NORMAL, "Copy", "Copy image to clipboard"},
    {ID_UNDO, 37, wxITEM_NORMAL, "Undo Last Action", "Undo Last Action"},
    {wxID_PRINT, 4, wxITEM_NORMAL, "Print", "Print Fax"},
    kSeparator,
    {ID_RECIEVE, 6, wxITEM_CHECK, "Receive Weather Fax", "Start receiving a new fax"},
    {ID_NAVTEX, 38, wxITEM_CHECK, "Receive Navtex", "Start Navtex"},
    {ID_TELEX, 39, wxITEM_CHECK, "Receive Telex", "Start Telex Reception"},
    {ID_STOP, 7, wxITEM_NORMAL, "Stop Receiving", "Stop receiving the fax"},
    kSeparator,
    {ID_SKEWLEFT, 8, wxITEM_NORMAL, "Skew Left", "Adjust diagonal skew to the left"},
    {ID_SKEWRIGHT, 9, wxITEM_NORMAL, "Skew Right", "Adjust diagonal skew to the right"},
    {ID_FILTER, 11, wxITEM_CHECK, "Noise Filter", "Filter out noise"},
    {ID_NARROW, 10, wxITEM_CHECK, "Chart Reception", "Set reception for 400 Hz, good for charts"},
    {ID_WIDE, 12, wxITEM_CHECK, "Photo Reception",
     "Set reception for 800 Hz bandwidth, good for photos"},
    {ID_STATUS, 13, wxITEM_NORMAL, "Reception Status", "Display current reception status"},
    {ID_TUNINGSCOPE, 14, wxITEM_CHECK, "Tuning Scope",
     "Show or hide the tuning scope during fax reception"},
    {ID_TOOLBOX, 15, wxITEM_CHECK, "Toolbox", "Show or hide the toolbox"},
    kSeparator,
    {ID_AUTOSTART, 16, wxITEM_NORMAL, "AutoStart",
     "Receive the next fax automatically at the next start tone"},
    {ID_AUTOCONTINOUS, 17, wxITEM_CHECK, "AutoContinuous",
     "Receive all faxes automatically and save them"},
    {ID_AUTOSCHEDULE, 18, wxITEM_CHECK, "AutoSchedule",
     "Prepare reception schedules, start unattended operation"},
    kSeparator,
    {wxID_ABOUT, 20, wxITEM_NORMAL, "Help About", "Display version and copyright information"},
};

const ToolEntry kToolBoxTools[] = {
    {ID_ROTRIGHT, 22, wxITEM_NORMAL, "Rotate Right", "Rotate the fax 90 degrees to the right"},
    {ID_ROTLEFT, 23, wxITEM_NORMAL, "Rotate Left", "Rotate the fax 90 degrees to the left"},
    {ID_FLIP, 24, wxITEM_NORMAL, "Flip Vertically", "Rotate the fax through 180 degrees"},
    {ID_DEFLEFT, 26, wxITEM_CHECK, "Define Left Margin",
     "Double click where you want to set the left margin"},
    {ID_TRIMEND, 27, wxITEM_CHECK, "Trim End", "Trim off the bottom of the fax"},
    {ID_FIXBREAK, 28, wxITEM_CHECK, "Fix Horizontal Break",
     "Repair fax by shifting broken portion sideways"},
    {ID_TRIMEDGE, 29, wxITEM_CHECK, "Trim Edges", "Define the boundary of the fax and trim"},
    kSeparator,
    {ID_NORMAL, 30, wxITEM_NORMAL, "Normal View", "Show the fax at normal size"},
    {ID_ZOOMIN, 31, wxITEM_CHECK, "Zoom In", "Zoom in to picture"},
    {ID_ZOOMOUT, 32, wxITEM_NORMAL, "Zoom Out", "Zoom out from picture"},
    kSeparator,
    {ID_COLOUR, 33, wxITEM_NORMAL, "Change Colour Scheme", "Cycle through different colour palettes"},
    {ID_CLEAN, 34, wxITEM_NORMAL, "Clean Up", "Clean up the fax picture"},
    {ID_SMILE, 35, wxITEM_NORMAL, "", "Meet the programmer"},
};

const ToolEntry kTelexTools[] = {
    {ID_UNSHIFTNOW, 42, wxITEM_NORMAL, "Shift Down Now", "Unshift from Upper to Lower case"},
    {ID_UNSHIFTONSPACE, 43, wxITEM_CHECK, "Unshift on Space",
     "Sfift to lower case when a space is detected"},
    {ID_INVERT, 44, wxITEM_CHECK, "Invert", "Invert the mark and spaces on incoming signal"},
};

template <size_t N>
void FillToolBar(wxToolBar* bar, const ToolEntry (&tools)[N]) {
  bar->SetMargins(2, 2);
  for (const ToolEntry& tool : tools) {
    if (tool.kind == wxITEM_SEPARATOR)
      bar->AddSeparator();
    else
      bar->AddTool(tool.id, "", MyBitmapsFunc(tool.picture), wxNullBitmap, tool.kind, tool.tooltip,
                   tool.help);
  }
  bar->Realize();
}

}  // namespace

void MyToolBarFunc(wxToolBar* parent) { FillToolBar(parent, kMainTools); }

void MyToolBoxFunc(wxToolBar* parent) { FillToolBar(parent, kToolBoxTools); }

void TelexBar(wxToolBar* parent) { FillToolBar(parent, kTelexTools); }
