#include "picture/vantoreldoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(vantorelDoc, wxDocument);
