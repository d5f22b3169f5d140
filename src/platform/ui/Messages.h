#pragma once
// Message numbers, command codes, key codes and answer ids shared by windows,
// controls and the screens, numbered as the phone numbers them.
#include <cstdint>

namespace tarvo::ui {

using WindowHandle = uint32_t;

// Private messages of the program start here (1125 and 1126 are user + 101/102).
constexpr uint32_t kWmUser = 0x0400;
// RegisterWindowMessage hands out ids from here on.
constexpr uint32_t kFirstRegisteredMessage = 0xC000;

// Answers of dialogs and message boxes.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
// What DoModal returns when the whole loop was told to quit.
constexpr int kIdAbort = -1;

// Notification codes a control sends to its parent's OnCommand.
enum CommandCode : int {
  kClicked = 0,
  kSelectionChanged = 1,
  kTextChanged = 2,
  kItemActivated = 3,   // a tap on a list row
  kDropDown = 4,
  kCloseUp = 5,
  kValueChanged = 6,
  kMenuCommand = 7,     // a menu item was chosen
};

enum class SettingChange { Rotation, InputPanel };

// Key codes (virtual keys).
namespace keys {
constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kEscape = 0x1B;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kDelete = 0x2E;
constexpr int kSoftLeft = 0x70;   // the soft keys under the menu bar
constexpr int kSoftRight = 0x71;
constexpr int kEnd = 0x73;        // the phone's End (red) key
constexpr int kPaste = 0x1056;    // Ctrl+V as one key
}  // namespace keys

}  // namespace tarvo::ui
