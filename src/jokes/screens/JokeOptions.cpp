#include "jokes/screens/JokeOptions.h"

#include "jokes/screens/CJoke.h"

namespace tarvo {

const std::vector<JokeOption>& JokeOptions() {
  static const std::vector<JokeOption> options{
      {u"经短信发送", CJoke::kSmsCommand, &CJoke::SendBySms},
      {u"经邮件发送", CJoke::kEmailCommand, &CJoke::SendByEmail},
      {u"更新笑话", CJoke::kUpdateCommand, &CJoke::UpdateJokes},
      {u"帮助", CJoke::kHelpCommand, &CJoke::ShowHelp},
      {u"登录", CJoke::kLoginCommand, &CJoke::OpenLogin},
  };
  return options;
}

}  // namespace tarvo
