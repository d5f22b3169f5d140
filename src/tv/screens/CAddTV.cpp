#include "tv/screens/CAddTV.h"

#include "tv/TvAddress.h"

namespace tarvo {
namespace {

CEntryDialog::Look LookOf(CTarvoApp& app) { return {app.Metrics, app.Imaging(), app.ProgramDir}; }

}  // namespace

CAddTV::CAddTV(CTarvoApp& app, int mode, const TvChannel& channel, ApplyEdit apply)
    : CEntryDialog(app.GetUi(), LookOf(app), u"电视名称：", u"播放地址：", mode == kModifyMode ? channel.name : u"",
                   mode == kModifyMode ? channel.url : u"mms://"),
      mode_(mode),
      apply_(std::move(apply)) {}

WString CAddTV::Check(const WString& name, const WString& url) const {
  if (name.empty()) return u"电视名称不能为空!";
  if (url.empty()) return u"播放地址不能为空!";
  if (!IsAcceptedTvAddress(url)) return u"播放地址格式有误,只支持http,mms和rtsp!";
  return WString();
}

bool CAddTV::Apply(const WString& name, const WString& url) { return apply_ && apply_(TvChannel{name, url}); }

}  // namespace tarvo
