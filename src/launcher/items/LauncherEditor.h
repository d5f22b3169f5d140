#pragma once
// The item edits of the settings screens: move, delete, add, restore the
// defaults. Each edit changes the item list and the document the same way,
// by position, and saves the file at once.
#include <vector>

#include "launcher/items/LauncherDocument.h"

namespace tarvo {

enum class MoveOutcome { kMoved, kNoSelection, kAtEdge };
enum class DeleteOutcome { kDeleted, kNoSelection, kProtected };

// "设置" and "退出" cannot be deleted: without them the launcher could not be
// set up again or left.
bool IsProtectedItem(const LauncherItem& item);

class LauncherEditor {
 public:
  LauncherEditor(LauncherDocument& document, std::vector<LauncherItem>& items, DeviceFacts device,
                 FileAccess& phoneFiles);

  // Moves the item at row one place up (step -1) or down (step +1).
  MoveOutcome Move(int row, int step);
  // Deletes the item at row; the row to select afterwards goes to
  // nextSelection (-1 when the list is empty).
  DeleteOutcome Delete(int row, int& nextSelection);
  // Appends the program at path; returns its title.
  WString Add(WStringView path);
  // Replaces everything with the template's default items.
  void RestoreDefaults(int templateStyle);

 private:
  bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(items_.size()); }

  LauncherDocument& document_;
  std::vector<LauncherItem>& items_;
  DeviceFacts device_;
  FileAccess& phoneFiles_;
};

}  // namespace tarvo
