// The UI dump of the launcher and of each settings screen against what the
// screen shows.
#include <nlohmann/json.hpp>

#include "settings/SettingsFixture.h"

namespace tarvo::testing {
namespace {

using Json = nlohmann::ordered_json;

class SettingsDump : public SettingsFixture {
 protected:
  Json Dump() {
    driver_->Sync();
    auto dump = driver_->Engine().Dump();
    EXPECT_TRUE(dump.has_value());
    return dump ? *dump : Json();
  }
  static ui::Rect RectOf(const Json& rect) {
    return ui::Rect{rect[0].get<int>(), rect[1].get<int>(), rect[2].get<int>(), rect[3].get<int>()};
  }
  // The visible controls of the top window, each inside the screen.
  static std::vector<Json> ShownControls(const Json& window, int width, int height) {
    std::vector<Json> shown;
    for (const Json& control : window["controls"]) {
      if (!control["visible"].get<bool>()) continue;
      const ui::Rect r = RectOf(control["rect"]);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height && !r.IsEmpty())
          << control.dump();
      shown.push_back(control);
    }
    return shown;
  }
  static std::vector<std::string> Texts(const std::vector<Json>& controls, const std::string& kind) {
    std::vector<std::string> texts;
    for (const Json& control : controls) {
      if (control["kind"] == kind) texts.push_back(control["text"]);
    }
    return texts;
  }
  // Checks the top window's class and caption and returns it.
  Json Top(const std::string& className, const std::string& caption) {
    Json dump = Dump();
    Json top = dump["windows"].back();
    EXPECT_EQ(top["class"], className);
    EXPECT_EQ(top["caption"], caption);
    return top;
  }
  // The top bar's "ok", these screens' way back.
  void Back() {
    ASSERT_TRUE(driver_->Engine().TapText(u"ok").ok);
    ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  }
};

TEST_F(SettingsDump, TheLauncherDumpsEveryItemWhereItsCellIs) {
  Launch();
  Json dump = Dump();
  EXPECT_EQ(dump["screen"], (Json{{"width", 240}, {"height", 320}, {"landscape", false}}));
  ASSERT_EQ(dump["windows"].size(), 1u);
  EXPECT_EQ(dump["windows"][0]["class"], "CTarvoDlg");
  EXPECT_TRUE(dump["windows"][0]["fullScreen"].get<bool>());
  const Json& items = dump["launcher"]["items"];
  const std::vector<WString> titles = Titles();
  ASSERT_EQ(items.size(), titles.size());
  EXPECT_EQ(items[0]["title"], "视频搜索");
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i]["title"], ToUtf8(titles[i]));
    const ui::Rect r = RectOf(items[i]["rect"]);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 240 && r.bottom <= 320) << items[i].dump();
    // A tap in the middle of the dumped cell starts that item.
    const int hit = driver_->Invoke([&] {
      return app_->Layout->HitTest((r.left + r.right) / 2, (r.top + r.bottom) / 2, launcher_->ScrollOffset());
    });
    EXPECT_EQ(hit, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(dump["launcher"]["scrollOffset"], 0);
}

TEST_F(SettingsDump, TheHubAndTheTemplateChooserDumpTheirButtonColumn) {
  Launch();
  OpenHub();
  Json hub = Top("CPersonalSet", "设置");
  EXPECT_TRUE(hub["fullScreen"].get<bool>());
  auto controls = ShownControls(hub, 240, 320);
  EXPECT_EQ(Texts(controls, "image button"),
            (std::vector<std::string>{"主界面模板", "主界面设置", "浏览器设置", "按钮风格设置", "返回"}));
  TapColumnButton(u"主界面模板");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面模板"));
  controls = ShownControls(Top("CMainMenuTemplate", "主界面模板"), 240, 320);
  EXPECT_EQ(Texts(controls, "image button"), (std::vector<std::string>{"普通模式", "办公模式", "返回"}));
}

TEST_F(SettingsDump, TheItemEditorDumpsItsListButtonsAndMenu) {
  Launch();
  OpenHub();
  TapColumnButton(u"主界面设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  Json editor = Top("CMainMenuSet", "主界面设置");
  EXPECT_FALSE(editor["fullScreen"].get<bool>());
  auto controls = ShownControls(editor, 240, 320);
  EXPECT_EQ(Texts(controls, "image button"), (std::vector<std::string>{"上移", "下移", "添加", "删除", "默认"}));
  ASSERT_FALSE(controls.empty());
  const Json& list = controls[0];
  EXPECT_EQ(list["kind"], "list");
  const std::vector<WString> titles = Titles();
  ASSERT_EQ(list["rows"].size(), titles.size());
  EXPECT_EQ(list["rows"][0], (Json::array({"视频搜索"})));
  EXPECT_EQ(editor["menuBar"][0]["text"], "更换背景");
  EXPECT_EQ(editor["menuBar"][1]["text"], "菜单");
  EXPECT_EQ(editor["menuBar"][1]["items"][0]["text"], "普通模式");
  // A row tapped by its text is selected, as the dump then says.
  ASSERT_TRUE(driver_->Engine().TapText(u"设置").ok);
  EXPECT_EQ(Top("CMainMenuSet", "主界面设置")["controls"][0]["selected"], 6);
}

TEST_F(SettingsDump, TheBrowserAndButtonStyleScreensDumpWhatTheyShow) {
  Launch();
  OpenHub();
  TapColumnButton(u"浏览器设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"浏览器设置"));
  const Json browser = Top("CIESet", "浏览器设置");
  EXPECT_TRUE(browser["okButton"].get<bool>());
  EXPECT_TRUE(browser["menuBar"].empty());
  auto controls = ShownControls(browser, 240, 320);
  EXPECT_EQ(Texts(controls, "image button"), (std::vector<std::string>{"查找", "测试", "保存"}));
  const auto statics = Texts(controls, "static");
  ASSERT_FALSE(statics.empty());
  EXPECT_EQ(statics[0], "您使用的浏览器路径：");
  EXPECT_EQ(Texts(controls, "edit").size(), 1u);
  Back();
  TapColumnButton(u"按钮风格设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"按钮风格"));
  controls = ShownControls(Top("CButtonStyleSet", "按钮风格"), 240, 320);
  EXPECT_EQ(Texts(controls, "static"), (std::vector<std::string>{"视频搜索和笑口常开的按钮风格："}));
  bool hasList = false;
  for (const Json& control : controls) hasList = hasList || (control["kind"] == "list" && !control["rows"].empty());
  EXPECT_TRUE(hasList);
}

}  // namespace
}  // namespace tarvo::testing
