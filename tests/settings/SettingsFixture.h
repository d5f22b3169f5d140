#pragma once
// A launcher on a throwaway device, driven headless, with helpers to reach
// the settings screens the way a user does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "platform/text/Utf8.h"
#include "platform/ui/ListView.h"
#include "support/TestDevice.h"
#include "support/TempDir.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::testing {

class SettingsFixture : public ::testing::Test {
 protected:
  void Launch(int width = 240, int height = 320) {
    device_ = testing::OpenTestDevice(dir_.File("phone"));
    ASSERT_TRUE(device_);
    driver_ = std::make_unique<ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    driver_->Start([this] {
      app_->InitInstance([this] {
        CTarvoDlg launcher(*app_);
        launcher_ = &launcher;
        const int code = launcher.DoModal();
        launcher_ = nullptr;
        return code;
      });
    });
    ASSERT_TRUE(driver_->WaitFor([this] { return launcher_ != nullptr && launcher_->IsVisible(); }));
  }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
  }

  // Starts the launcher item with this title, as a tap on its icon would.
  void StartItem(WStringView title) {
    const int index = driver_->Invoke([this, title = WString(title)] {
      auto& items = app_->LauncherItems;
      auto at = std::find_if(items.begin(), items.end(), [&](const LauncherItem& i) { return i.Title == title; });
      return at == items.end() ? 0 : static_cast<int>(at - items.begin()) + 1;
    });
    ASSERT_GT(index, 0);
    driver_->GetUi().PostTask([this, index] { launcher_->StartItem(index); });
  }
  void OpenHub() {
    StartItem(u"设置");
    ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  }
  // Taps the hub or template button with this caption.
  void TapColumnButton(WStringView caption) {
    auto center = driver_->Invoke([this, caption = WString(caption)]() -> std::optional<ui::Point> {
      ui::Window* top = driver_->GetUi().ActiveWindow();
      for (int id = 1000; id < 1010; ++id) {
        ui::Window* button = top ? top->FindChild(id) : nullptr;
        if (button && button->Text() == caption) {
          const ui::Rect r = button->ScreenRect();
          return ui::Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        }
      }
      return std::nullopt;
    });
    ASSERT_TRUE(center.has_value()) << "no button " << ToUtf8(caption);
    driver_->Tap(*center);
  }
  void TapControl(int id) {
    auto center = driver_->ControlCenter(id);
    ASSERT_TRUE(center.has_value()) << "no control " << id;
    driver_->Tap(*center);
  }
  // Taps a row of the list with this id in the active dialog, scrolling it
  // into view first.
  void TapRow(int listId, int row) {
    auto point = driver_->Invoke([this, listId, row]() -> std::optional<ui::Point> {
      auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), listId));
      if (list == nullptr || row >= list->ItemCount()) return std::nullopt;
      list->EnsureVisible(row);
      const ui::Rect r = list->RowRect(row);
      return list->ToScreen(ui::Point{r.left + 20, (r.top + r.bottom) / 2});
    });
    ASSERT_TRUE(point.has_value()) << "no row " << row << " in list " << listId;
    driver_->Tap(*point);
  }
  // Taps the rows with these names one after another in the file chooser
  // (folders first, then the file).
  void ChooseInFileChooser(const std::vector<WString>& names) {
    for (const WString& name : names) {
      auto rows = driver_->ListRows(200);
      ASSERT_TRUE(rows.has_value()) << "no file chooser";
      auto at = std::find_if(rows->begin(), rows->end(), [&](const auto& row) {
        return row.at(0) == name || row.at(0) == u"[" + name + u"]";  // folders show in brackets
      });
      ASSERT_NE(at, rows->end()) << "no entry " << ToUtf8(name);
      TapRow(200, static_cast<int>(at - rows->begin()));
      driver_->Sync();
    }
  }
  // Expects a message box with this text (and caption when given) and answers it.
  void ExpectBox(WStringView text, WStringView answer = ui::kOkCaption, WStringView caption = {}) {
    auto box = driver_->WaitForMessageBox();
    ASSERT_TRUE(box.has_value()) << "no message box; expected " << ToUtf8(text);
    EXPECT_EQ(ToUtf8(box->text), ToUtf8(text));
    if (!caption.empty()) {
      EXPECT_EQ(ToUtf8(box->caption), ToUtf8(caption));
    }
    ASSERT_TRUE(driver_->AnswerMessageBox(answer));
    driver_->Sync();
  }
  std::vector<WString> Titles() {
    return driver_->Invoke([this] {
      std::vector<WString> titles;
      for (const auto& item : app_->LauncherItems) titles.push_back(item.Title);
      return titles;
    });
  }
  std::string PhoneFile(const std::string& path) { return dir_.Read("phone/fs/" + path); }
  std::string MainMenuXml() { return PhoneFile("Program Files/Tarvo/temp/MainMenu.xml"); }
  std::string ConfigFile() { return PhoneFile("Program Files/Tarvo/temp/TarvoConfig.ini"); }
  void WritePhoneFile(const std::string& path, const std::string& bytes) {
    dir_.Write("phone/fs/" + path, bytes);
  }
  std::string LaunchLog() { return dir_.Read("phone/launch.log"); }
  // Writes the screen to build/tests/settings-screens/NAME.png for a look.
  void SaveScreen(const std::string& name) {
    std::filesystem::create_directories("settings-screens");
    driver_->SaveScreen("settings-screens/" + name + ".png");
  }

  TempDir dir_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
};

}  // namespace tarvo::testing
