#include "launcher/items/LauncherEditor.h"

#include <algorithm>
#include <utility>

#include "launcher/items/ItemStart.h"

namespace tarvo {

bool IsProtectedItem(const LauncherItem& item) { return item.Title == u"设置" || item.Title == u"退出"; }

LauncherEditor::LauncherEditor(LauncherDocument& document, std::vector<LauncherItem>& items,
                               DeviceFacts device, FileAccess& phoneFiles)
    : document_(document), items_(items), device_(std::move(device)), phoneFiles_(phoneFiles) {}

MoveOutcome LauncherEditor::Move(int row, int step) {
  if (!ValidRow(row)) return MoveOutcome::kNoSelection;
  const int other = row + step;
  if (!ValidRow(other) || (step != 1 && step != -1)) return MoveOutcome::kAtEdge;
  std::swap(items_[static_cast<size_t>(row)], items_[static_cast<size_t>(other)]);
  document_.SwapItemElementWithNext(static_cast<size_t>(std::min(row, other)));
  document_.Save();
  return MoveOutcome::kMoved;
}

DeleteOutcome LauncherEditor::Delete(int row, int& nextSelection) {
  if (!ValidRow(row)) return DeleteOutcome::kNoSelection;
  if (IsProtectedItem(items_[static_cast<size_t>(row)])) return DeleteOutcome::kProtected;
  items_.erase(items_.begin() + row);
  document_.RemoveItemElementAt(static_cast<size_t>(row));
  document_.Save();
  const int count = static_cast<int>(items_.size());
  nextSelection = row < count ? row : count - 1;
  return DeleteOutcome::kDeleted;
}

WString LauncherEditor::Add(WStringView path) {
  const LauncherItem item = ProgramItemFor(path);
  items_.push_back(item);
  document_.AppendItemElement(item);
  document_.Save();
  return item.Title;
}

void LauncherEditor::RestoreDefaults(int templateStyle) {
  BuildDefaultItems(document_, templateStyle, device_, phoneFiles_, items_);
}

}  // namespace tarvo
