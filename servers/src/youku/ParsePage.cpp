#include "youku/ParsePage.h"

#include "youku/YoukuPages.h"
#include "youku/YoukuRequest.h"

namespace tarvo::servers::youku {
namespace {

constexpr char kHead[] = "<html><head><title>FLVCD</title></head><body>解析结果\n";
constexpr char kTail[] = "</body></html>\n";
constexpr char kNotFound[] = "<h1>404 Not Found</h1>\n";
constexpr char kUnsupported[] = "提示：对不起，FLVCD暂不支持此地址的解析\n";
constexpr char kTooSoon[] = "提示：对不起，两次解析间隔时间太短，请5秒钟后刷新页面重试。\n";
constexpr char kFailed[] = "提示：解析失败，请确认视频是否被删除、地址是否正确。\n";

int PartCount(const std::string& kind, int fallback) {
  const size_t colon = kind.find(':');
  if (colon == std::string::npos) return fallback;
  try {
    const int count = std::stoi(kind.substr(colon + 1));
    return count < 1 ? 1 : count > 20 ? 20 : count;
  } catch (...) {
    return fallback;
  }
}

std::string Parts(const std::string& title, const std::string& vid, int count, const char* marker,
                  const std::string& base) {
  std::string parts;
  for (int part = 1; part <= count; ++part)
    parts += "<N>" + title + " 第" + std::to_string(part) + "段\n" + marker + MediaAddress(base, vid, part) + "\n";
  return parts;
}

}  // namespace

std::string MediaAddress(const std::string& base, const std::string& vid, int part) {
  return base + "/media/" + vid + "_" + std::to_string(part) + ".y4m";
}

std::string ParsePageText(const Catalogue& catalogue, const std::string& address, const std::string& base) {
  const auto vid = VideoIdOf(address);
  if (!vid) return kHead + std::string(kUnsupported) + kTail;
  const auto found = catalogue.parseKinds.find(*vid);
  const std::string kind = found == catalogue.parseKinds.end() ? "parts:2" : found->second;
  const std::string title = VideoTitle(catalogue, *vid);
  std::string page = kHead;
  if (kind == "notfound") {
    page += kNotFound;
  } else if (kind == "failed") {
    page += kFailed;
  } else if (kind == "toosoon") {
    page += kTooSoon;
  } else if (kind == "toosoon-parts") {
    page += kTooSoon + Parts(title, *vid, 2, "<U>", base);
  } else if (kind == "emptyname") {
    page += "<N>\n<U>" + MediaAddress(base, *vid, 1) + "\n";
  } else if (kind == "noaddress") {
    page += "<N>" + title + "\n";
  } else if (kind.rfind("copy", 0) == 0) {
    page += Parts(title, *vid, PartCount(kind, 2), "<C>", base);
  } else {
    page += Parts(title, *vid, PartCount(kind, 2), "<U>", base);
  }
  return page + kTail;
}

}  // namespace tarvo::servers::youku
