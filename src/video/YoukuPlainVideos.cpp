// The plain videos of a result page: "class="video"" blocks inside the
// "class="vCollDetail"" area.
#include "video/TextCut.h"
#include "video/YoukuMarkers.h"
#include "video/YoukuSectionParser.h"

namespace tarvo::video {
namespace {

using namespace youku;

constexpr char16_t kCollection[] = u"class=\"vCollDetail\"";
constexpr char16_t kCollectionEnd[] = u"<!--vCollDetail-->";
constexpr char16_t kVideo[] = u"class=\"video\"";
constexpr char16_t kTime[] = u"class=\"time\">";
constexpr char16_t kIntro[] = u"class=\"vIntro\">";

}  // namespace

bool YoukuSectionParser::PlainVideos() {
  size_t collection = finder_.Find(kCollection);
  if (collection == kNotFound) return false;
  size_t end = finder_.Find(kCollectionEnd, collection);
  if (end == kNotFound) return false;
  result_.flags |= kFlagPlainVideos;
  size_t block = finder_.Find(kVideo, collection, end);
  while (block < end) {
    size_t blockEnd = BlockEnd(kVideo, block, end);
    size_t position = block;
    VideoRecord video;
    if (!finder_.Cut(position, kHref, kQuote, video.url, blockEnd) ||
        !finder_.Cut(position, kTitleAttr, kQuote, video.title, blockEnd) ||
        !finder_.Cut(position, kSrc, kQuote, video.thumb, blockEnd) ||
        !finder_.Cut(position, kTime, kTagStart, video.duration, blockEnd)) {
      break;
    }
    // The introduction is optional and must belong to this video.
    if (finder_.Cut(position, kIntro, kTagStart, video.intro, blockEnd)) {
      CleanText(video.intro);
      StripHighlight(video.intro);
    }
    CleanText(video.title);
    result_.videos.push_back(std::move(video));
    block = blockEnd;
  }
  return true;
}

}  // namespace tarvo::video
