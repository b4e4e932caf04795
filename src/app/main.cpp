// Vantorel: weather-fax, RTTY and NAVTEX receiver.
#include <wx/wx.h>

#include "app/vantorelapp.h"

int main(int argc, char** argv) {
  wxApp::SetInstance(new vantorelApp);
  return wxEntry(argc, argv);
}
