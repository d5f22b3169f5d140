#include "launcher/items/ItemStart.h"

namespace tarvo {
namespace {

struct KnownCommand {
  const char16_t* command;
  const char16_t* program;
  const char16_t* arguments;
};

// Commands of the default items whose program takes an argument.
constexpr KnownCommand kKnownCommands[] = {
    {u"\\Windows\\poutlook.exe contacts", u"\\Windows\\poutlook.exe", u"contacts"},
    {u"\\Windows\\poutlook.exe tasks", u"\\Windows\\poutlook.exe", u"tasks"},
    {u"\\Windows\\poutlook.exe calendar", u"\\Windows\\poutlook.exe", u"calendar"},
    {u"\\Windows\\tmail.exe -transport \"SMS\"", u"\\Windows\\tmail.exe", u"-transport \"SMS\""},
    {u"\\Windows\\tmail.exe -service \"ActiveSync\"", u"\\Windows\\tmail.exe",
     u"-service \"ActiveSync\""},
};

}  // namespace

ItemStartPlan PlanItemStart(const LauncherItem& item) {
  if (item.Kind != kProgramItem) return {ItemStartPlan::Way::Tool, item.Title, u""};
  for (const KnownCommand& known : kKnownCommands) {
    if (item.ExePath == known.command)
      return {ItemStartPlan::Way::Process, known.program, known.arguments};
  }
  if (item.ExePath.find(u".exe") != WString::npos)
    return {ItemStartPlan::Way::Process, item.ExePath, u""};
  return {ItemStartPlan::Way::Shell, item.ExePath, u""};
}

LauncherItem ProgramItemFor(WStringView path) {
  const size_t slash = path.find_last_of(u"\\/");
  WString name(slash == WStringView::npos ? path : path.substr(slash + 1));
  const size_t dot = name.find(u'.');
  if (dot != WString::npos) name.erase(dot);
  return {kProgramItem, name, u"", WString(path)};
}

}  // namespace tarvo
