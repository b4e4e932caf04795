// Rules of starting and saving a reception that need no window: reception
// codes in a schedule description, the count-down serial number and the names
// of the saved files.
#pragma once

#include <ctime>
#include <string>

namespace vt::fax {

// Applies the reception codes found in a schedule description, in the order
// "@I2" "@I5" "@S6" "@S2" "@S1" "@S9"; a later code overrides an earlier one.
void ApplyReceptionCodes(const std::string& description, std::string& ioc, std::string& speed);

// The number of the file to save now, from the stored "SerialNo" text: one less,
// text that is not a number counting as 0, and 99999 after 0.
int NextSerialNumber(const std::string& stored);

enum class SavedKind { ManualFax, ScheduledFax, Text };

// The full name of a saved reception. folder ends with a slash; oldSerial is the
// stored "SerialNo" text before the count-down; description is the schedule
// entry's text (scheduled faxes only); local is the local time of saving.
std::string ReceptionFileName(SavedKind kind, const std::string& folder, int serial,
                              const std::string& oldSerial, const std::string& description,
                              const std::tm& local);

// The minutes of reception the picture buffer holds at an index of cooperation.
int BufferMinutes(const std::string& ioc);

}  // namespace vt::fax
