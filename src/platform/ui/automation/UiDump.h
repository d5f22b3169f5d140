#pragma once
// The UI as JSON: the screen, the stack of top-level windows with every
// control, the open popup menu, the message box shown, the wait cursor and
// the scrolling grid of cells (the launcher's items). Built on the UI
// thread. docs/scripting.md describes the format; keys may be added, never
// renamed.
#include <nlohmann/json.hpp>

#include "platform/text/WString.h"

namespace tarvo::ui {
class Ui;
}

namespace tarvo::ui::automation {

nlohmann::ordered_json DumpUi(Ui& ui);
// UTF-8 with "\r\n" written as "\n".
std::string DumpText(WStringView text);

}  // namespace tarvo::ui::automation
