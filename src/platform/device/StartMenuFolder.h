#pragma once
// The Start menu's Programs folder of the phone, as the device template
// holds it: where the program's own shortcut goes and where a chooser of
// programs starts.
namespace tarvo {

inline constexpr char16_t kProgramsFolder[] = u"\\Windows\\“开始”菜单\\程序";

}  // namespace tarvo
