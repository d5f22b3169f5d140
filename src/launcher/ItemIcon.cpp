#include "launcher/ItemIcon.h"

#include "launcher/items/ItemStart.h"
#include "launcher/controls/CSkinButton.h"

namespace tarvo {

std::optional<WString> ItemIconPath(const LauncherItem& item, FileAccess& files, WStringView programDir) {
  if (!item.IconPath.empty()) return item.IconPath;
  const ItemStartPlan plan = PlanItemStart(item);
  if (plan.way == ItemStartPlan::Way::Tool || plan.target.empty() || !files.FileExists(plan.target))
    return std::nullopt;
  return ResourceBitmapPath(programDir, kGenericProgramIconId);
}

}  // namespace tarvo
