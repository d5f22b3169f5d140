#include "video/screens/CVirtualSearch.h"

#include "launcher/StartShortcut.h"
#include "platform/ui/MessageBox.h"
#include "tools/KeywordRecords.h"
#include "tools/screens/CKeyManager.h"

namespace tarvo::video {

CVirtualSearch::CVirtualSearch(CTarvoApp& app, WStringView caption)
    : CVirtualDialog(app, caption), servers_(VideoServers::ForDevice(app.GetDevice().Profile())) {}

CVirtualSearch::~CVirtualSearch() = default;

bool CVirtualSearch::OnInitDialog() {
  ui::Menu shortcuts;
  shortcuts.Add(u"生成快捷方式", kCreateShortcutId).Add(u"删除快捷方式", kDeleteShortcutId);
  ui::Menu options;
  options.Add(u"搜索记录", kRecordsId)
      .AddPopup(u"快捷方式", shortcuts)
      .Add(u"横竖屏切换", kRotateId)
      .Add(u"关于Tarvo", kAboutId);
  ui::MenuBar bar;
  bar.AddPopup(u"选项", options);
  SetMenuBar(bar);
  SetOkButton(true);
  thumbnails_ = std::make_unique<ThumbnailLoader>(app_, *this, servers_.timeouts);
  return true;
}

void CVirtualSearch::ManageRecords() {
  if (app_.Keywords.empty())
    LoadKeywordRecords(app_.GetDevice().Files(), app_.SearchRecordPath, app_.Keywords, app_.GetDevice().CodePage());
  const size_t before = app_.Keywords.size();
  ManageKeywords(app_);
  recordsChanged_ = app_.Keywords.size() != before;
  if (recordsChanged_) OnRecordsChanged();
}

bool CVirtualSearch::OnCommand(int id, int code) {
  switch (id) {
    case kRecordsId:
      ManageRecords();
      return true;
    case kCreateShortcutId:
      CreateStartShortcut(app_);
      return true;
    case kDeleteShortcutId:
      DeleteStartShortcut(app_);
      return true;
    case kAboutId:
      ui::MessageBox(this, u"Tarvo 版本：V" + app_.AppVersion, u"Tarvo", ui::kMbOk);
      return true;
    default:
      return CVirtualDialog::OnCommand(id, code);
  }
}

}  // namespace tarvo::video
