#include "Catalog.h"

#include <array>

namespace tarvo::pictures {

std::span<const IconEntry> LauncherIcons() {
  static constexpr std::array<IconEntry, 26> kIcons{{
      {kTarvoImageFolder, "Tarvo_Search.png", {215, 0.70, 0.50}, &SearchSymbol},
      {kTarvoImageFolder, "Tarvo_HotVideo.png", {14, 0.85, 0.53}, &HotVideoSymbol},
      {kTarvoImageFolder, "Tarvo_NetTV.png", {248, 0.55, 0.55}, &NetTvSymbol},
      {kTarvoImageFolder, "Tarvo_Joke.png", {330, 0.70, 0.58}, &JokeSymbol},
      {kTarvoImageFolder, "Tarvo_NetCloud.png", {196, 0.75, 0.48}, &NetCloudSymbol},
      {kTarvoImageFolder, "Tarvo_Clock.png", {168, 0.65, 0.40}, &ClockSymbol},
      {kTarvoImageFolder, "Tarvo_Settings.png", {215, 0.12, 0.48}, &SettingsSymbol},
      {kTarvoImageFolder, "Tarvo_Phone.png", {122, 0.52, 0.45}, &PhoneSymbol},
      {kTarvoImageFolder, "Tarvo_Msg.png", {84, 0.55, 0.44}, &MessageSymbol},
      {kTarvoImageFolder, "Tarvo_Contacts.png", {26, 0.45, 0.45}, &ContactsSymbol},
      {kTarvoImageFolder, "Tarvo_FileExp.png", {40, 0.85, 0.50}, &FolderSymbol},
      {kTarvoImageFolder, "Tarvo_Camera.png", {220, 0.18, 0.30}, &CameraSymbol},
      {kTarvoImageFolder, "Tarvo_TaskMgr.png", {282, 0.50, 0.50}, &TaskManagerSymbol},
      {kTarvoImageFolder, "Tarvo_Exit.png", {356, 0.72, 0.50}, &ExitSymbol},
      {kTarvoImageFolder, "Tarvo_Word.png", {218, 0.65, 0.45}, &WordSymbol},
      {kTarvoImageFolder, "Tarvo_Excel.png", {148, 0.60, 0.34}, &ExcelSymbol},
      {kTarvoImageFolder, "Tarvo_PowerPoint.png", {26, 0.85, 0.52}, &PowerPointSymbol},
      {kTarvoImageFolder, "Tarvo_OneNote.png", {276, 0.52, 0.42}, &OneNoteSymbol},
      {kTarvoImageFolder, "Tarvo_Email.png", {200, 0.70, 0.48}, &EmailSymbol},
      {kTarvoImageFolder, "Tarvo_Calculator.png", {200, 0.30, 0.30}, &CalculatorSymbol},
      {kTarvoImageFolder, "Tarvo_Calendar.png", {338, 0.62, 0.52}, &CalendarSymbol},
      {kTarvoImageFolder, "Tarvo_Tasks.png", {240, 0.45, 0.55}, &TasksSymbol},
      // Pictures the V9 device edition keeps in its own Windows folder.
      {kWindowsFolder, "HiFM.png", {190, 0.55, 0.28}, &RadioSymbol},
      {kWindowsFolder, "Start_Icon_HiFmLaunch.png", {316, 0.50, 0.36}, &BroadcastSymbol},
      {kWindowsFolder, "FlashLight22.png", {236, 0.60, 0.36}, &FlashlightSymbol},
      {kWindowsFolder, "enceintesnotes.png", {262, 0.40, 0.36}, &SpeakerSymbol},
  }};
  return kIcons;
}

std::span<const PageButtonStyle> PageButtonStyles() {
  static constexpr std::array<PageButtonStyle, 7> kStyles{{
      {"Blue", {212, 0.70, 0.50}},
      {"Green", {130, 0.50, 0.45}},
      {"Pink", {330, 0.70, 0.66}},
      {"Gray", {210, 0.06, 0.55}},
      {"Orange", {28, 0.90, 0.55}},
      {"Brown", {25, 0.45, 0.36}},
      {"Red", {352, 0.72, 0.48}},
  }};
  return kStyles;
}

std::span<const ButtonFace> ButtonFaces() {
  static constexpr std::array<ButtonFace, 4> kFaces{{
      {140, 240, 60, false},
      {141, 240, 60, true},
      {182, 108, 48, false},
      {181, 108, 48, true},
  }};
  return kFaces;
}

}  // namespace tarvo::pictures
