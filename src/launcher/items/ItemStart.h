#pragma once
// How an item is started: a phone program with its arguments, a document
// through the shell, or one of the built-in tools by its title.
#include "launcher/items/LauncherItem.h"

namespace tarvo {

struct ItemStartPlan {
  enum class Way { Process, Shell, Tool };
  Way way = Way::Tool;
  WString target;     // program, document, or tool title
  WString arguments;  // for a process
};

ItemStartPlan PlanItemStart(const LauncherItem& item);

// The item for a program the user picked: kind 1, the file name without its
// folder and without anything from its first "." on, no icon, the path as
// the command.
LauncherItem ProgramItemFor(WStringView path);

}  // namespace tarvo
