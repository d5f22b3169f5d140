#include "launcher/items/LauncherDefaults.h"

namespace tarvo {
namespace {

constexpr char16_t kContactsV9[] = u"\\Program Files\\Iconsoft\\PhonEx\\Contacts.exe";
constexpr char16_t kUcweb[] = u"\\Windows\\ucweb.exe";
constexpr char16_t kIexplore[] = u"\\Windows\\iexplore.exe";

struct Builder {
  const DeviceFacts& device;
  std::vector<LauncherItem> items;

  void Tool(const char16_t* title, const char16_t* icon) {
    items.push_back({kToolItem, title, device.programDir + u"TarvoImage\\" + icon, u""});
  }
  void Program(const char16_t* title, const char16_t* icon, WStringView command) {
    items.push_back({kProgramItem, title, device.programDir + u"TarvoImage\\" + icon,
                     WString(command)});
  }
  void DeviceProgram(const char16_t* title, const char16_t* iconPath, const char16_t* command) {
    items.push_back({kProgramItem, title, iconPath, command});
  }
};

WString ContactsCommand(const DeviceFacts& device, FileAccess& files) {
  if (device.isV9 && files.FileExists(kContactsV9)) return kContactsV9;
  return u"\\Windows\\poutlook.exe contacts";
}

void AddPhoneAndMessages(Builder& add, const DeviceFacts& device, FileAccess& files) {
  add.Program(u"电话", u"Tarvo_Phone.png", u"\\Windows\\cprog.exe");
  add.Program(u"短信", u"Tarvo_Msg.png", u"\\Windows\\tmail.exe -transport \"SMS\"");
  add.Program(u"联系人", u"Tarvo_Contacts.png", ContactsCommand(device, files));
}

}  // namespace

std::vector<LauncherItem> DefaultItems(int templateStyle, const DeviceFacts& device,
                                       FileAccess& files) {
  Builder add{device, {}};
  if (templateStyle == 0) {
    add.Tool(u"视频搜索", u"Tarvo_Search.png");
    add.Tool(u"热点视频", u"Tarvo_HotVideo.png");
    add.Tool(u"网络电视", u"Tarvo_NetTV.png");
    add.Tool(u"笑口常开", u"Tarvo_Joke.png");
    add.Tool(u"网站云集", u"Tarvo_NetCloud.png");
    add.Tool(u"时间同步", u"Tarvo_Clock.png");
    add.Tool(u"设置", u"Tarvo_Settings.png");
    AddPhoneAndMessages(add, device, files);
    add.Program(u"资源管理器", u"Tarvo_FileExp.png", u"\\Windows\\fexplore.exe");
    add.Program(u"照相机", u"Tarvo_Camera.png", u"\\Windows\\camera.exe");
    if (!device.isV9) add.Program(u"任务管理器", u"Tarvo_TaskMgr.png", u"\\Windows\\TaskMgr.exe");
    if (files.FileExists(kUcweb)) {
      add.items.push_back({kProgramItem, u"网络浏览器", u"", kUcweb});
    } else if (files.FileExists(kIexplore)) {
      add.items.push_back({kProgramItem, u"网络浏览器", u"", kIexplore});
    }
    if (device.isV9) {
      add.DeviceProgram(u"收音机", u"\\Windows\\HiFM.png", u"\\Windows\\FM.exe");
      add.DeviceProgram(u"FM电台", u"\\Windows\\Start_Icon_HiFmLaunch.png",
                        u"\\Windows\\HiFmLaunch.cpl");
      add.DeviceProgram(u"手电筒", u"\\Windows\\FlashLight22.png", u"\\Windows\\FlashLight.exe");
      add.DeviceProgram(u"丽音技术", u"\\Windows\\enceintesnotes.png", u"\\Windows\\Nicam.cpl");
    }
    add.Tool(u"退出", u"Tarvo_Exit.png");
  } else if (templateStyle == 1) {
    AddPhoneAndMessages(add, device, files);
    add.Program(u"Word", u"Tarvo_Word.png", u"\\Windows\\pword.exe");
    add.Program(u"Excel", u"Tarvo_Excel.png", u"\\Windows\\pxl.exe");
    add.Program(u"PowerPoint", u"Tarvo_PowerPoint.png", u"\\Windows\\ppt.exe");
    add.Program(u"OneNote", u"Tarvo_OneNote.png", u"\\Windows\\OneNoteMobile.exe");
    add.Program(u"电子邮件", u"Tarvo_Email.png", u"\\Windows\\tmail.exe -service \"ActiveSync\"");
    add.Program(u"计算器", u"Tarvo_Calculator.png", u"\\Windows\\MobileCalculator.exe");
    add.Program(u"日历", u"Tarvo_Calendar.png", u"\\Windows\\poutlook.exe calendar");
    add.Program(u"任务", u"Tarvo_Tasks.png", u"\\Windows\\poutlook.exe tasks");
    add.Tool(u"时间同步", u"Tarvo_Clock.png");
    add.Tool(u"设置", u"Tarvo_Settings.png");
    add.Tool(u"退出", u"Tarvo_Exit.png");
  }
  return add.items;
}

}  // namespace tarvo
