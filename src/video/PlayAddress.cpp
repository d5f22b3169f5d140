#include "video/PlayAddress.h"

#include "platform/text/CodePage.h"

namespace tarvo::video {
namespace {

// Markers of the parse page as it shows them; matched as GBK bytes.
constexpr char16_t kNotFoundPage[] = u"404 Not Found";
constexpr char16_t kNotSupported[] = u"提示：对不起，FLVCD暂不支持此地址的解析";
constexpr char16_t kTooSoon[] = u"提示：对不起，两次解析间隔时间太短，请5秒钟后刷新页面重试。";
constexpr char16_t kParseFailed[] = u"提示：解析失败";

struct FailureMarker {
  const char16_t* marker;
  const char16_t* message;
};
constexpr FailureMarker kFailureMarkers[] = {
    {kNotFoundPage, u"提示:该视频地址格式错误"},
    {kNotSupported, u"提示:该视频地址无法解析"},
    {kTooSoon, u"提示:对不起,两次解析间隔时间太短,请5秒后重试."},
    {kParseFailed, u"提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......"},
};

constexpr std::string_view kPageCodePage = "GBK";
constexpr std::string_view kNameMarker = "<N>";
constexpr std::string_view kUrlMarker = "<U>";
constexpr std::string_view kCopyMarker = "<C>";
constexpr std::string_view kLineEnd = "\n";
constexpr std::string_view kPlaylistHeader = "#EXTM3U\n";
constexpr std::string_view kEntryPrefix = "#EXTINF:";

constexpr char16_t kParsePagePath[] = u"parse.php";
constexpr char16_t kParsePageQuery[] = u"?kw=";

// The bytes from after marker to the next line end; at least one byte.
std::optional<std::string_view> LineAfter(std::string_view body, size_t markerAt,
                                          std::string_view marker) {
  size_t from = markerAt + marker.size();
  size_t end = body.find(kLineEnd, from);
  if (end == std::string_view::npos || end == from) return std::nullopt;
  return body.substr(from, end - from);
}

// The address line of the part at [part, nextPart).
std::optional<std::string_view> PartAddress(std::string_view body, size_t part, size_t nextPart) {
  for (std::string_view marker : {kUrlMarker, kCopyMarker}) {
    size_t at = body.find(marker, part);
    if (at != std::string_view::npos && at < nextPart) return LineAfter(body, at, marker);
  }
  return std::nullopt;
}

}  // namespace

PlayPageResult ParsePlayPage(std::string_view body, std::string_view codePage) {
  PlayPageResult result;
  if (body.empty()) {
    result.message = kFetchFailedMessage;
    return result;
  }
  for (const FailureMarker& failure : kFailureMarkers) {
    if (body.find(ToCodePage(failure.marker, kPageCodePage)) != std::string_view::npos) {
      result.message = failure.message;
      return result;
    }
  }
  std::string& playlist = result.playlist.emplace(kPlaylistHeader);
  size_t part = body.find(kNameMarker);
  if (part == std::string_view::npos) {
    result.message = kResolveFailedMessage;
    return result;
  }
  for (int index = 0; part != std::string_view::npos; ++index) {
    size_t nextPart = body.find(kNameMarker, part + kNameMarker.size());
    playlist += kEntryPrefix;
    playlist += std::to_string(index);
    playlist += ',';
    auto name = LineAfter(body, part, kNameMarker);
    if (!name) {
      result.message = kResolveFailedMessage;
      return result;
    }
    playlist += *name;
    playlist += kLineEnd;
    auto url = PartAddress(body, part, nextPart);
    if (!url) {
      result.message = kResolveFailedMessage;
      return result;
    }
    playlist += *url;
    playlist += kLineEnd;
    result.entries.push_back(PlayAddress{FromCodePage(*name, codePage), FromCodePage(*url, codePage)});
    part = nextPart;
  }
  result.ok = true;
  return result;
}

WString PlayAddressSource(WStringView parsePage, WStringView videoUrl) {
  WString source(parsePage);
  WStringView path(kParsePagePath);
  if (source.size() < path.size() || WStringView(source).substr(source.size() - path.size()) != path) {
    if (source.empty() || source.back() != u'/') source += u'/';
    source += path;
  }
  source += kParsePageQuery;
  source += videoUrl;
  return source;
}

}  // namespace tarvo::video
