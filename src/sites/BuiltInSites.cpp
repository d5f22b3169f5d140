#include "sites/BuiltInSites.h"

#include <array>

namespace tarvo {
namespace {

struct SiteRow {
  const char16_t* name;
  const char16_t* url;
};

constexpr char16_t kUpdateRowName[] = u"Tarvo更新";

// Rows 2 to 37, home pages of the named sites. A gap inside a name is either
// an ASCII space or an ideographic space (U+3000).
constexpr std::array<SiteRow, 36> kSiteRows = {{
    {u"Google", u"http://www.google.com"},
    {u"百\u3000度", u"http://www.baidu.com"},
    {u"新\u3000浪", u"http://www.sina.com.cn"},
    {u"搜\u3000狐", u"http://www.sohu.com"},
    {u"网\u3000易", u"http://www.163.com"},
    {u"腾\u3000讯", u"http://www.qq.com"},
    {u"淘 宝 网", u"http://www.taobao.com"},
    {u"起点小说网", u"http://www.qidian.com"},
    {u"去哪儿网", u"http://www.qunar.com"},
    {u"赶 集 网", u"http://www.ganji.com"},
    {u"凤 凰 网", u"http://www.ifeng.com"},
    {u"央 视 网", u"http://www.cctv.com"},
    {u"新 华 网", u"http://www.xinhuanet.com"},
    {u"联合早报", u"http://www.zaobao.com"},
    {u"人 民 网", u"http://www.people.com.cn"},
    {u"中国新闻网", u"http://www.chinanews.com"},
    {u"搜\u3000狗", u"http://www.sogou.com"},
    {u"人 人 网", u"http://www.renren.com"},
    {u"开 心 网", u"http://www.kaixin001.com"},
    {u"智联招聘", u"http://www.zhaopin.com"},
    {u"泡 泡 网", u"http://www.pcpop.com"},
    {u"中关村在线", u"http://www.zol.com.cn"},
    {u"东方财富", u"http://www.eastmoney.com"},
    {u"工商银行", u"http://www.icbc.com.cn"},
    {u"天天基金", u"http://fund.eastmoney.com"},
    {u"至诚财经", u"http://www.zhicheng.com"},
    {u"阿里巴巴", u"http://www.alibaba.com"},
    {u"赛 尔 号", u"http://seer.61.com"},
    {u"中 彩 网", u"http://www.zhcw.com"},
    {u"51个人空间", u"http://www.51.com"},
    {u"多特软件", u"http://www.duote.com"},
    {u"瑞丽女性网", u"http://www.rayli.com.cn"},
    {u"汽车之家", u"http://www.autohome.com.cn"},
    {u"百 姓 网", u"http://www.baixing.com"},
    {u"中国移动", u"http://www.10086.cn"},
    {u"NBA中文网", u"http://china.nba.com"},
}};

}  // namespace

std::vector<SiteEntry> BuiltInSites(WStringView contentServer) {
  while (!contentServer.empty() && contentServer.back() == u'/') contentServer.remove_suffix(1);
  std::vector<SiteEntry> sites;
  sites.reserve(kBuiltInSiteCount);
  sites.push_back({kUpdateRowName, WString(contentServer) + kSiteUpdatePagePath});
  for (const SiteRow& row : kSiteRows) sites.push_back({row.name, row.url});
  return sites;
}

}  // namespace tarvo
