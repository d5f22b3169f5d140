#pragma once
// Markers shared by the Soku parsers. A double quote inside a marker belongs
// to it.
namespace tarvo::soku::markers {

inline constexpr char16_t kItems[] = u"class=\"items\"";
inline constexpr char16_t kItemsEnd[] = u"<!--items end-->";
inline constexpr char16_t kHref[] = u"href=\"";
inline constexpr char16_t kSrc[] = u"src=\"";
inline constexpr char16_t kQuote[] = u"\"";
inline constexpr char16_t kTagEnd[] = u">";
inline constexpr char16_t kLinkClose[] = u"</a>";
inline constexpr char16_t kCurrent[] = u"class=\"current\">";
inline constexpr char16_t kItemEnd[] = u"</li>";
inline constexpr char16_t kSection[] = u"class=\"section\"";
inline constexpr char16_t kViewAll[] = u"class=\"viewall\"";
inline constexpr char16_t kGuide[] = u"class=\"guide\"";
inline constexpr char16_t kClear[] = u"class=\"clear\"";
inline constexpr char16_t kTv[] = u"class=\"tv\"";
inline constexpr char16_t kLabel[] = u"class=\"label\">";
inline constexpr char16_t kHeadingEnd[] = u"</h3>";
inline constexpr char16_t kNoResults[] = u"<!--无结果-->";

}  // namespace tarvo::soku::markers
