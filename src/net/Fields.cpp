#include "net/Fields.h"

#include <initializer_list>
#include <utility>

namespace tarvo {
namespace {

WString Join(std::initializer_list<std::pair<WStringView, WStringView>> fields) {
  WString text;
  for (const auto& [key, value] : fields) {
    if (!text.empty()) text += u',';
    text.append(key).append(u"={").append(value).append(u"}");
  }
  return text;
}

}  // namespace

WString IdentityValue(WStringView raw) {
  return raw.size() >= kMinIdentityLength ? WString(raw) : WString();
}

WString BuildHello(WStringView userName, const PhoneIdentity& identity, WStringView phoneModel) {
  return Join({{u"NAME", userName},
               {u"SIMID", IdentityValue(identity.simId)},
               {u"CELLID", IdentityValue(identity.cellId)},
               {u"VERSIONNO", kProtocolVersion},
               {u"PHONEMODEL", phoneModel}});
}

WString BuildLogin(WStringView userName, WStringView encipheredPassword) {
  return Join({{u"NAME", userName}, {u"PASSWORD", encipheredPassword}});
}

WString BuildUpload(WStringView title, WStringView category, WStringView body,
                    WStringView userName) {
  return Join({{u"TITLE", title}, {u"CATEGORY", category}, {u"BODY", body}, {u"USERNAME", userName}});
}

std::optional<WString> GetField(WStringView text, WStringView key) {
  if (text.empty() || key.empty()) return std::nullopt;
  size_t at = text.find(key);
  if (at == WStringView::npos) return std::nullopt;
  size_t open = text.find(u"={", at + key.size());
  if (open == WStringView::npos) return WString();
  size_t start = open + 2;
  size_t close = text.find(u'}', start);
  if (close == WStringView::npos) return WString();
  return WString(text.substr(start, close - start));
}

std::optional<int> GetIntField(WStringView text, WStringView key) {
  auto value = GetField(text, key);
  if (!value || value->empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if ((*value)[0] == u'-' || (*value)[0] == u'+') {
    negative = (*value)[0] == u'-';
    i = 1;
  }
  if (i == value->size()) return std::nullopt;
  long long number = 0;
  for (; i < value->size(); ++i) {
    char16_t c = (*value)[i];
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + (c - u'0');
    if (number > 2147483648LL) return std::nullopt;
  }
  if (negative) number = -number;
  if (number > 2147483647LL) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace tarvo
