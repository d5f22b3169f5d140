#include "video/TextCut.h"

#include "video/MarkerFinder.h"

namespace tarvo::video {
namespace {

constexpr char16_t kHighlightOpen[] = u"<span class=\"highlight\">";
constexpr char16_t kHighlightClose[] = u"</span>";
constexpr char16_t kMdash[] = u"&mdash;";
constexpr char16_t kFullWidthHyphen[] = u"\uFF0D";
constexpr size_t kMinEntityRounds = 256;
constexpr size_t kEntityWorkBudget = size_t{1} << 26;

bool IsWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

void ReplaceAll(WString& text, WStringView what, WStringView with, size_t from = 0) {
  size_t hit = text.find(what, from);
  if (hit == WString::npos) return;
  WString out(text, 0, hit);
  while (hit != WString::npos) {
    out += with;
    from = hit + what.size();
    hit = text.find(what, from);
    out.append(text, from, hit == WString::npos ? WString::npos : hit - from);
  }
  text = std::move(out);
}

}  // namespace

bool ExtractBetween(WStringView text, size_t& position, WStringView start, WStringView end,
                    WString& field) {
  MarkerFinder finder(text);
  return finder.Cut(position, start, end, field);
}

void RemoveAll(WString& text, WStringView what) {
  if (!what.empty()) ReplaceAll(text, what, WStringView());
}

void StripHighlight(WString& text) {
  if (text.empty()) return;
  RemoveAll(text, kHighlightOpen);
  RemoveAll(text, kHighlightClose);
}

void CleanText(WString& text) {
  ReplaceAll(text, kMdash, kFullWidthHyphen);
  // Text before the first "&" holds none, and removing an entity never
  // changes it, so each round may start at the previous "&". Each round
  // rescans the rest of the text; a field with very many distinct entities
  // (only a hostile page has them) stops after a budget of rounds that keeps
  // the work within about 64 million characters.
  size_t from = 0;
  const size_t maxRounds = kMinEntityRounds + kEntityWorkBudget / (text.size() + 1);
  for (size_t round = 0; round < maxRounds; ++round) {
    size_t amp = text.find(u'&', from);
    if (amp == WString::npos) break;
    size_t semi = text.find(u';', amp + 1);
    if (semi == WString::npos) break;
    WString entity = text.substr(amp, semi - amp + 1);
    ReplaceAll(text, entity, WStringView(), amp);
    from = amp;
  }
  RemoveAll(text, u"\r");
  RemoveAll(text, u"\n");
  size_t first = 0;
  while (first < text.size() && IsWhiteSpace(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsWhiteSpace(text[last - 1])) --last;
  text = text.substr(first, last - first);
}

void RemoveBlanks(WString& text) {
  WString out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') out += c;
  }
  text = std::move(out);
}

bool StartsWith(WStringView text, WStringView prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace tarvo::video
