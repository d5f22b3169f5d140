#pragma once
// Attribute markers shared by the Youku scrapers. A double quote inside a
// marker belongs to it.
namespace tarvo::video::youku {

inline constexpr char16_t kSrc[] = u"src=\"";
inline constexpr char16_t kHref[] = u"href=\"";
inline constexpr char16_t kTitleAttr[] = u"title=\"";
inline constexpr char16_t kQuote[] = u"\"";
inline constexpr char16_t kTagEnd[] = u">";
inline constexpr char16_t kTagStart[] = u"<";
inline constexpr char16_t kLinkOpen[] = u"<a";
inline constexpr char16_t kLinkClose[] = u"</a>";
inline constexpr char16_t kDivClose[] = u"</div>";
inline constexpr char16_t kClear[] = u"class=\"clear\"";
inline constexpr char16_t kStatus[] = u"class=\"status\">";
inline constexpr char16_t kProgrammesEnd[] = u"<!--节目结束-->";

}  // namespace tarvo::video::youku
