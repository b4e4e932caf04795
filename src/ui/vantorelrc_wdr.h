// Resource identifiers and the layout functions of every prepared window.
#pragma once

#include <wx/wx.h>

const int ID_INDEX = 5014;

const int ID_TZCHECK = 10000;
const int ID_TZDISP = 10001;
const int ID_TEXT = 10002;
const int ID_STATICBITMAP = 10003;
const int ID_TEXTCTRL = 10004;
const int ID_SRED = 10005;
const int ID_SGREEN = 10006;
const int ID_SBLUE = 10007;
const int ID_MRED = 10008;
const int ID_MGREEN = 10009;
const int ID_MBLUE = 10010;
const int ID_ERED = 10011;
const int ID_EGREEN = 10012;
const int ID_EBLUE = 10013;
const int ID_RGB = 10014;
const int ID_MONO = 10015;
const int ID_APPLY = 10016;
const int ID_WARMER = 10017;
const int ID_REFTEMP = 10018;
const int ID_COOLER = 10019;
const int ID_REVERSE = 10020;
const int ID_PALDIS = 10021;
const int ID_RESET = 10022;
const int ID_LOADPAL = 10023;
const int ID_REFSLIDE = 10024;
const int ID_TEMP = 10025;
const int ID_SAVEPAL = 10026;
const int ID_SPREADSLIDE = 10027;
const int ID_MARK = 10028;
const int ID_MASK = 10029;
const int ID_IOC = 10030;
const int ID_SPEED = 10031;
const int ID_SKEW = 10032;
const int ID_LOWP = 10033;
const int ID_HIGHP = 10034;
const int ID_DETECTSTOP = 10035;
const int ID_LOWFREQ = 10036;
const int ID_AUTOON = 10037;
const int ID_RADIO = 10038;
const int ID_COMPORT = 10039;
const int ID_RADIOLIST = 10040;
const int ID_CHECKBOX = 10041;
const int ID_DURATIONX = 10042;
const int ID_LINE = 10043;
const int ID_REFRESH = 10044;
const int ID_LOOKUP = 10045;
const int ID_READ = 10046;
const int ID_LISTCTRL = 10047;
const int ID_FILENAMEX = 10048;
const int ID_STATUS = 10049;
const int ID_ADD = 10050;
const int ID_CLEAR = 10051;
const int ID_CLEARALL = 10052;
const int ID_SAVE = 10053;
const int ID_COMBO = 10054;
const int ID_HH = 10055;
const int ID_MM = 10056;
const int ID_DESCR = 10057;
const int ID_FREQ = 10058;
const int ID_CONNECTION = 10059;
const int ID_AUTOSTART = 10060;
const int ID_AUTOSCHED = 10061;
const int ID_NEXTFAX = 10062;
const int ID_BUFFERSIZE = 10063;
const int ID_STNCOMBO = 10064;
const int ID_FREQSET = 10065;
const int ID_FREQCOMBO = 10066;
const int ID_FREQINUSE = 10067;
const int ID_SSB = 10068;
const int ID_SETRADIO = 10069;
const int ID_POW = 10070;
const int ID_ATTEN = 10071;
const int ID_DOWN1K = 10072;
const int ID_DOWN100 = 10073;
const int ID_UP100 = 10074;
const int ID_UP1K = 10075;
const int ID_VOLDOWN = 10076;
const int ID_VOLUP = 10077;
const int ID_BFO = 10078;
const int ID_POWERBOX = 10079;
const int ID_MENU = 10080;
const int ID_RECIEVE = 10081;
const int ID_NAVTEX = 10082;
const int ID_TELEX = 10083;
const int ID_STOP = 10084;
const int ID_CLOSE = 10085;
const int ID_DELETE = 10086;
const int ID_VIEW = 10087;
const int ID_TOOLBAR = 10088;
const int ID_TOOLBOX = 10089;
const int ID_TUNINGSCOPE = 10090;
const int ID_FREQUENCYCONT = 10091;
const int ID_UNDO = 10092;
const int ID_DEFLEFT = 10093;
const int ID_ROTRIGHT = 10094;
const int ID_ROTLEFT = 10095;
const int ID_FLIP = 10096;
const int ID_TRIMEDGE = 10097;
const int ID_FIXBREAK = 10098;
const int ID_TRIMEND = 10099;
const int ID_ZOOMIN = 10100;
const int ID_ZOOMOUT = 10101;
const int ID_NORMAL = 10102;
const int ID_COLOUR = 10103;
const int ID_CLEAN = 10104;
const int ID_GLOBALHIST = 10105;
const int ID_SKEWRIGHT = 10106;
const int ID_SKEWLEFT = 10107;
const int ID_FILTER = 10108;
const int ID_SMOOTH = 10109;
const int ID_PROPERTIES = 10110;
const int ID_WORKINGFOLDER = 10111;
const int ID_POWER = 10112;
const int ID_AUTOCONTINOUS = 10113;
const int ID_AUTOSCHEDULE = 10114;
const int ID_DATABASE = 10115;
const int ID_HELP = 10116;
const int ID_START = 10117;
const int ID_POPUP_ZOOMIN = 10118;
const int ID_NARROW = 10119;
const int ID_WIDE = 10120;
const int ID_SMILE = 10121;
const int ID_UNSHIFTNOW = 10122;
const int ID_UNSHIFTONSPACE = 10123;
const int ID_INVERT = 10124;
const int ID_MAINFRAME = 10125;

static_assert(ID_IOC == 10030 && ID_RADIOLIST == 10040 && ID_ADD == 10050 && ID_AUTOSTART == 10060,
              "identifiers must keep their numbers: stored layouts and tests rely on them");
static_assert(ID_POW == 10070 && ID_MENU == 10080 && ID_TUNINGSCOPE == 10090 && ID_ZOOMIN == 10100,
              "identifiers must keep their numbers");
static_assert(ID_PROPERTIES == 10110 && ID_WIDE == 10120 && ID_MAINFRAME == 10125,
              "identifiers must keep their numbers");

// Menu bar, tool bars and the frequency bar.
wxMenuBar* MyMenuBarFunc();
void MyToolBarFunc(wxToolBar* parent);
void MyToolBoxFunc(wxToolBar* parent);
void TelexBar(wxToolBar* parent);
wxSizer* FreqBar(wxWindow* parent, bool call_fit = true, bool set_sizer = true);

// Dialog layouts: controls are created as children of parent.
wxSizer* Config(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* RadioSetup(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* AutoSchedule(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* AddEntry(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* FaxStatus(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* SetRadio(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* PaletteEdit(wxWindow* parent, bool call_fit = true, bool set_sizer = true);
wxSizer* About(wxWindow* parent, bool call_fit = true, bool set_sizer = true);

// Built-in pictures; an unknown index gives wxNullBitmap.
wxBitmap MyBitmapsFunc(size_t index);
