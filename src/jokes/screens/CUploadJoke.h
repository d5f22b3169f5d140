#pragma once
// The upload form "上传笑话": a title, a category from the list, the joke
// itself (at most 1000 characters typed), and the soft keys "上传" and
// "粘贴". The upload runs off the UI thread while the form waits, bounded
// like the login; the form stays open after it, its fields kept. The top
// bar's "ok" or Escape returns to the login dialog.
#include <memory>

#include "app/shell/TarvoApp.h"
#include "jokes/AccountExchange.h"
#include "platform/ui/BackgroundAction.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace tarvo {

inline constexpr char16_t kUploadTitle[] = u"上传笑话";

class CUploadJoke : public ui::Dialog {
 public:
  enum Id { kTitleId = 100, kCategoryId, kBodyId, kTitleLabelId, kCategoryLabelId };
  enum Command { kUploadCommand = 200, kPasteCommand };

  CUploadJoke(CTarvoApp& app, WString userName);
  ~CUploadJoke() override;

  void Upload();
  // Replaces the whole title or body, whichever has the focus, by the
  // clipboard's text (which may be longer than the body's limit).
  void Paste();

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnKeyDown(int key) override;
  void OnSettingChange(ui::SettingChange change) override;

  const WString& UserName() const { return userName_; }
  bool IsUploading() const { return uploading_; }

 private:
  void Layout();
  UploadOutcome Exchange(const UploadRequest& request);
  void Tell(WStringView text);

  CTarvoApp& app_;
  WString userName_;
  ui::Static titleLabel_;
  ui::Static categoryLabel_;
  ui::Edit title_;
  ui::ComboBox category_;
  ui::Edit body_;
  std::unique_ptr<ui::BackgroundAction> exchange_;
  bool uploading_ = false;
};

}  // namespace tarvo
