#include "net/SearchOutcome.h"

#include "net/Connection.h"

namespace tarvo {

bool ReportSearchOutcome(int code, bool show, Connectivity& connectivity, UserPrompts& prompts) {
  const char16_t* message = nullptr;
  switch (code) {
    case 1:
      return true;
    case 0:
      message = u"抱歉,没有找到相关视频";
      break;
    case -2:
      message = u"抱歉,服务器临时维护.";
      break;
    case -3:
      message = u"搜索结果可能涉及不符合相关法律法规和政策的内容，未予显示。";
      break;
    default:
      if (show && EnsureConnected(connectivity, prompts))
        prompts.Tell(u"Tarvo", u"搜索失败,可能无法连接服务器或搜索超时.");
      return false;
  }
  if (show) prompts.Tell(u"Tarvo", message);
  return true;
}

}  // namespace tarvo
