#pragma once
// A report list whose cells can carry links: linked cells are drawn
// underlined in the link colours (blue, purple once visited); a tap on a
// linked cell with a URL marks it visited, redraws it at once and opens the
// URL through the opener, with the wait cursor shown meanwhile.
#include <functional>
#include <map>

#include "platform/ui/ListView.h"

namespace tarvo {

struct LinkStyle {
  bool underlined = true;
  ui::Color unvisited = ui::Rgb(0, 0, 255);
  ui::Color visited = ui::Rgb(128, 0, 128);
};

struct LinkRecord {
  bool visited = false;
  WString url;
  const LinkStyle* style = nullptr;
};

class LinkListCtrl : public ui::ListView {
 public:
  using Opener = std::function<void(const WString& url)>;

  // The key of a cell's record: "%1!d! x %2!d!" of row and column.
  static WString LinkKey(int row, int column);

  bool Create(ui::Window* parent, const ui::Rect& rect, int id);
  void SetOpener(Opener opener) { opener_ = std::move(opener); }
  void SetLink(int row, int column, WStringView url);
  const LinkRecord* GetLink(int row, int column) const;
  void ClearLinks() { links_.clear(); }

  void OnPenUp(ui::Point point) override;

 private:
  bool DrawRow(ui::ListRowDraw& draw);

  LinkStyle style_;
  std::map<WString, LinkRecord> links_;
  Opener opener_;
};

}  // namespace tarvo
