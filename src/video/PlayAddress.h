#pragma once
// The flvcd parse page's answer for one video: the media addresses of its
// parts and the M3U playlist ("temp\Tarvo.m3u") that plays them.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::video {

struct PlayAddress {
  WString name;
  WString url;

  bool operator==(const PlayAddress&) const = default;
};

struct PlayPageResult {
  bool ok = false;
  // The message to show on failure; empty on success.
  WString message;
  // Parts read, also those before a failure.
  std::vector<PlayAddress> entries;
  // The playlist bytes to write; nullopt when the page failed before the
  // playlist is created (the old file stays as it is).
  std::optional<std::string> playlist;
};

// Reads the parse page (GBK bytes, markers matched byte for byte). Each part
// is "<N>" name, then its "<U>" address, else its "<C>" address, looked for
// only before the next "<N>". Names and addresses become text through the
// device code page. An empty body is a failed fetch.
PlayPageResult ParsePlayPage(std::string_view body, std::string_view codePage);

// The parse page request for a video page: parsePage (a base URL, with or
// without its "/parse.php" path) + "?kw=" + videoUrl as given.
WString PlayAddressSource(WStringView parsePage, WStringView videoUrl);

// Messages of the play-address resolution.
inline constexpr char16_t kFetchFailedMessage[] = u"搜索超时或读取网页数据失败!";
inline constexpr char16_t kResolveFailedMessage[] = u"解析视频失败,可能服务器繁忙,请稍后重试!";
inline constexpr char16_t kPlaylistFailedMessage[] = u"创建Tarvo.m3u文件失败！";

}  // namespace tarvo::video
