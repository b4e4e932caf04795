#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "capture/wxSoundInGTK.h"
#include "test_support.h"

namespace {

using vt::test::MessageRecorder;
using vt::test::TempDir;

const char kNoHardwareFile[] = "Error - Could not read Hardware file";
const char kNoDemodulator[] = "Error - Vantorel Demodulator not found";

const char kHdaThenUsb[] =
    " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
    "                      HDA Intel PCH at 0xf7f10000 irq 32\n"
    " 1 [Device         ]: USB-Audio - USB Device 0x16c0:0xa3e\n"
    "                      USB Device 0x16c0:0xa3e at usb-0000:00:14.0-1, full speed\n";
const char kUsbThenHda[] =
    " 0 [Device         ]: USB-Audio - USB Device 0x16c0:0xa3e\n"
    "                      USB Device 0x16c0:0xa3e at usb-0000:00:14.0-1, full speed\n"
    " 1 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
    "                      HDA Intel PCH at 0xf7f10000 irq 32\n";
const char kHdaOnly[] =
    " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
    "                      HDA Intel PCH at 0xf7f10000 irq 32\n";
const char kTwoUsb[] =
    " 0 [Headset        ]: USB-Audio - Logitech USB Headset\n"
    "                      Logitech Logitech USB Headset at usb-0000:00:14.0-2, full speed\n"
    " 1 [Device         ]: USB-Audio - USB Device 0x16c0:0xa3e\n"
    "                      USB Device 0x16c0:0xa3e at usb-0000:00:14.0-1, full speed\n";

// A sound-card folder: the cards list (absent when null) and usbid files;
// a usbid of "<dir>" is a folder, which opens but cannot be read.
std::string MakeProcRoot(const TempDir& dir, const char* cards,
                         const std::map<int, std::string>& usbids) {
  std::filesystem::create_directories(dir.path());
  if (cards != nullptr) dir.write("cards", cards);
  for (const auto& [card, text] : usbids) {
    const std::string name = "card" + std::to_string(card) + "/usbid";
    if (text == "<dir>")
      std::filesystem::create_directories(dir.file(name));
    else
      dir.write(name, text);
  }
  return dir.path();
}

TEST(FindHID, SoundCardFixtures) {
  struct Case {
    const char* what;
    std::string cards;  // "<none>": no cards file
    std::map<int, std::string> usbids;
    DemodulatorCard::Status status;
    int card;
  };
  const std::string beyondLimit = std::string(65000, 'x') + "\n" + kUsbThenHda;
  const std::vector<Case> cases = {
      {"padded usbid", kHdaThenUsb, {{1, "16c0:0a3e\n"}}, DemodulatorCard::kFound, 1},
      {"0x usbid", kHdaThenUsb, {{1, "0x16c0:0xa3e\n"}}, DemodulatorCard::kFound, 1},
      {"demodulator is card 0", kUsbThenHda, {{0, "16c0:0a3e\n"}}, DemodulatorCard::kFound, 0},
      {"another USB device", kHdaThenUsb, {{1, "046d:0a44\n"}}, DemodulatorCard::kNotFound, -1},
      {"two USB cards, first another device", kTwoUsb, {{0, "046d:0a44\n"}, {1, "16c0:0a3e\n"}},
       DemodulatorCard::kNotFound, -1},
      {"no USB card", kHdaOnly, {}, DemodulatorCard::kNotFound, -1},
      {"no sound cards", "--- no soundcards ---\n", {}, DemodulatorCard::kNotFound, -1},
      {"garbled list", "\x01\xff\x7f garbage without line feeds \x80\x81", {},
       DemodulatorCard::kNotFound, -1},
      {"USB card beyond the 64000 bytes read", beyondLimit, {{0, "16c0:0a3e\n"}},
       DemodulatorCard::kNotFound, -1},
      {"no cards file", "<none>", {}, DemodulatorCard::kNoHardwareFile, -1},
      {"no usbid file", kHdaThenUsb, {}, DemodulatorCard::kNoHardwareFile, -1},
      {"unreadable usbid", kHdaThenUsb, {{1, "<dir>"}}, DemodulatorCard::kNoHardwareFile, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string root =
        MakeProcRoot(dir, c.cards == "<none>" ? nullptr : c.cards.c_str(), c.usbids);
    const DemodulatorCard found = FindDemodulatorCard(root);
    EXPECT_EQ(found.status, c.status);
    EXPECT_EQ(found.card, c.card);

    // FindHID shows the message; a found card without a PortAudio device shows none.
    MessageRecorder messages;
    CSoundIn sc;
    sc.SetProcRoot(root);
    EXPECT_FALSE(sc.FindHID());
    std::vector<std::string> expected;
    if (c.status == DemodulatorCard::kNoHardwareFile) expected = {kNoHardwareFile};
    if (c.status == DemodulatorCard::kNotFound) expected = {kNoDemodulator};
    EXPECT_EQ(messages.texts, expected);
    if (c.status == DemodulatorCard::kFound) {
      EXPECT_EQ(sc.cardDevice, "/dev/dsp" + std::to_string(c.card));
    }
  }
}

TEST(FindHID, DeviceNameCarriesVendorPaddedAndProductPrefixed) {
  struct Case {
    std::vector<std::string> names;
    int index;
  };
  const std::vector<Case> cases = {
      {{}, -1},
      {{"default", "USB Device 0x16c0:0xa3e: USB Audio (hw:1,0)"}, 1},
      {{"HDA Intel PCH: ALC892 Analog (hw:0,0)", "USB Device 0x16c0:0xa3e: A (hw:1,0)",
        "USB Device 0x16c0:0xa3e: B (hw:1,1)"},
       1},
      {{"USB Audio 16c0:0a3e"}, -1},
      {{"USB Device 0x046d:0xa44: USB Audio (hw:2,0)"}, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FindDemodulatorDevice(c.names), c.index);
}

TEST(OpenDevice, FailsCleanlyWithoutTheDemodulator) {
  struct Case {
    const char* what;
    std::string cards;
    std::map<int, std::string> usbids;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"no cards file", "<none>", {}, {kNoHardwareFile}},
      {"no USB card", kHdaOnly, {}, {kNoDemodulator}},
      // The card is there but PortAudio lists no device for it: no message.
      {"card without a device", kHdaThenUsb, {{1, "16c0:0a3e\n"}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    MessageRecorder messages;
    CSoundIn sc;
    sc.SetProcRoot(MakeProcRoot(dir, c.cards == "<none>" ? nullptr : c.cards.c_str(), c.usbids));
    EXPECT_FALSE(sc.Open());
    EXPECT_EQ(sc.stream, nullptr);
    EXPECT_FALSE(sc.CheckBuffers());
    sc.Close();
    sc.Close();
    EXPECT_EQ(messages.texts, c.messages);
  }
}

TEST(OpenDevice, DefaultSoundCardFilesWithoutSoundSystem) {
  if (std::filesystem::exists("/proc/asound"))
    GTEST_SKIP() << "this machine has a sound system";
  MessageRecorder messages;
  CSoundIn sc;
  EXPECT_FALSE(sc.Open());
  EXPECT_EQ(messages.texts, std::vector<std::string>{kNoHardwareFile});
}

TEST(OpenDevice, CloseWithoutOpenDoesNothing) {
  MessageRecorder messages;
  CSoundIn sc;
  sc.Close();
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
