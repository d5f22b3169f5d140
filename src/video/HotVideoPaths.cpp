#include "video/HotVideo.h"

#include "platform/text/Format.h"

namespace tarvo::video {
namespace {

constexpr char16_t kTudouStart[] = u"/tudou/";
constexpr char16_t kTudouChannel[] = u"/tudou/?url1=";
constexpr char16_t kYoukuStart[] = u"/yk/";
constexpr char16_t kYoukuCategory[] = u"/yk/?catpid=%d";
constexpr char16_t kYoukuIndex[] = u"/yk/index.php?k=&p=";
constexpr char16_t kYoukuIndexQuery[] = u"?k=&p=";
constexpr char16_t kTudouHost[] = u"tudou";
constexpr char16_t kFlv[] = u"flv";
constexpr char16_t kPlay[] = u"play";

// Youku categories of views 1 to 10; the finance view has none.
constexpr int kYoukuCategories[] = {91, 92, 97, 96, 85, 100, 86, 94, 105, 98};

}  // namespace

std::vector<WString> HotVideoPaths(int view, int page, const std::vector<WString>& channels) {
  std::vector<WString> paths;
  if (view == kHotViewStart) return {kTudouStart, kYoukuStart};
  if (view == kHotViewPaging) {
    if (page == 1) paths.push_back(kTudouStart);
    paths.push_back(Format(u"%s%d", WStringView(kYoukuIndex), page));
    return paths;
  }
  if (view < 1 || view > kHotCategoryCount) return paths;
  size_t category = static_cast<size_t>(view - 1);
  if (category < channels.size()) paths.push_back(WString(kTudouChannel) + channels[category]);
  if (category < std::size(kYoukuCategories)) {
    paths.push_back(Format(kYoukuCategory, kYoukuCategories[category]));
  }
  return paths;
}

bool IsYoukuIndexUrl(WStringView url) { return url.find(kYoukuIndexQuery) != WStringView::npos; }

WString HotPlayUrl(WStringView url) {
  WString played(url);
  if (played.find(kTudouHost) == WString::npos) return played;
  WStringView flv(kFlv);
  for (size_t at = played.find(flv); at != WString::npos;
       at = played.find(flv, at + WStringView(kPlay).size())) {
    played.replace(at, flv.size(), kPlay);
  }
  return played;
}

}  // namespace tarvo::video
