#pragma once
// The categories an uploaded joke may go under, in the order the upload
// form lists them (the first is preselected).
#include <array>

namespace tarvo {

inline constexpr std::array<const char16_t*, 22> kJokeCategories{
    u"冷笑话", u"极品", u"愚人", u"短信", u"经典", u"恶心", u"成人", u"职场", u"校园", u"名人", u"古代",
    u"爱情",   u"谐音", u"电脑", u"英语", u"儿童", u"故事", u"小笑话", u"交通", u"宗教", u"医疗", u"其他"};

}  // namespace tarvo
