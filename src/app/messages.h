// One door for every modal message the program shows.
//
// The program itself installs a handler that opens a wxMessageBox; tests
// install one that records the text and answers; the headless decoder keeps
// the default, which writes the text to stderr and answers OK.
#pragma once

#include <functional>
#include <string>

namespace vt {

// Answer codes, equal to wx's wxYES / wxOK / wxNO / wxCANCEL.
enum MessageAnswer { kAnswerYes = 0x2, kAnswerOk = 0x4, kAnswerNo = 0x8, kAnswerCancel = 0x10 };

// style carries wx message box style bits (wxOK, wxYES_NO, wxCENTRE, ...).
using MessageHandler =
    std::function<int(const std::string& text, const std::string& caption, long style)>;

// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// Shows text with caption "Message"; style 0 means an OK button, centred.
int ShowMessage(const std::string& text, const std::string& caption = "Message", long style = 0);

}  // namespace vt
