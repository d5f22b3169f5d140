#include "app/XmlListFile.h"

#include <tinyxml.h>

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

// The XML reader expects LF line ends, as it would make them when reading a file.
std::string NormalizeLineEnds(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      out += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      out += bytes[i];
    }
  }
  return out;
}

// The XML reader recurses once per level of nesting, so a file nested
// deeper than any list file is refused before it is parsed. The estimate
// counts every tag that opens without closing itself; it can only overcount.
constexpr int kMaxNesting = 256;
constexpr size_t kReadPastPadding = 8;

bool NestsTooDeep(std::string_view bytes) {
  int depth = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] != '<') continue;
    char next = bytes[i + 1];
    if (next == '/') {
      depth = depth > 0 ? depth - 1 : 0;
      continue;
    }
    if (next == '!' || next == '?') continue;
    size_t end = i + 1;
    char quote = 0;
    for (; end < bytes.size(); ++end) {
      char c = bytes[end];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        break;
      }
    }
    bool selfClosed = end < bytes.size() && bytes[end - 1] == '/';
    if (!selfClosed && ++depth > kMaxNesting) return true;
    i = end;
  }
  return false;
}

WString TextOf(const TiXmlElement& element) {
  const char* text = element.GetText();
  return text ? FromUtf8(text) : WString();
}

TiXmlElement* PreviousElement(TiXmlElement* element) {
  for (TiXmlNode* node = element->PreviousSibling(); node; node = node->PreviousSibling()) {
    if (TiXmlElement* found = node->ToElement()) return found;
  }
  return nullptr;
}

void SetText(TiXmlElement& element, const std::string& text) {
  TiXmlNode* first = element.FirstChild();
  if (first && first->ToText()) {
    first->SetValue(text.c_str());
    return;
  }
  TiXmlText node(text.c_str());
  if (first) {
    element.InsertBeforeChild(first, node);
  } else {
    element.InsertEndChild(node);
  }
}

}  // namespace

XmlListFile::XmlListFile(FileAccess& files, WString path)
    : files_(files), path_(std::move(path)) {}

XmlListFile::~XmlListFile() = default;

bool XmlListFile::Parse(std::string_view bytes) {
  if (NestsTooDeep(bytes)) return false;
  auto document = std::make_unique<TiXmlDocument>();
  std::string text = NormalizeLineEnds(bytes);
  // The reader steps over whole UTF-8 sequences as their first byte
  // announces them, so a truncated sequence at the end makes it read a few
  // bytes past the terminator: those bytes are ours and zero.
  text.append(kReadPastPadding, '\0');
  document->Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
  if (document->Error() || document->RootElement() == nullptr) return false;
  document_ = std::move(document);
  return true;
}

XmlLoadStatus XmlListFile::Load() {
  savesAllowed_ = true;
  auto bytes = files_.ReadAll(path_);
  if (!bytes) {
    Reset();
    if (!files_.FileExists(path_)) return XmlLoadStatus::kMissing;
    // There but unreadable: it cannot be kept aside, so nothing may replace it.
    savesAllowed_ = false;
    return XmlLoadStatus::kUnparsable;
  }
  if (Parse(*bytes)) return XmlLoadStatus::kLoaded;
  KeepAside(*bytes);
  Reset();
  return XmlLoadStatus::kUnparsable;
}

void XmlListFile::Reset() {
  document_ = std::make_unique<TiXmlDocument>();
  document_->InsertEndChild(TiXmlDeclaration("1.0", "UTF-8", ""));
  document_->InsertEndChild(TiXmlElement(ToUtf8(kXmlListRoot).c_str()));
}

WString XmlListFile::BadPath() const {
  const WString first = path_ + kBadFileSuffix;
  WString candidate = first;
  // Only files count as taken: anything else in the way makes the copy fail,
  // and with it every save, so that the unreadable file is never lost.
  for (int n = 1; files_.FileExists(candidate); ++n) candidate = first + u"." + FromUtf8(std::to_string(n));
  return candidate;
}

bool XmlListFile::KeepAside(std::string_view bytes) {
  savesAllowed_ = files_.WriteAtomically(BadPath(), bytes);
  return savesAllowed_;
}

std::string XmlListFile::Serialize() const {
  if (!document_) return {};
  TiXmlPrinter printer;
  document_->Accept(&printer);
  return printer.CStr();
}

bool XmlListFile::Save() {
  if (!savesAllowed_ || !document_) return false;
  if (!files_.WriteAtomically(path_, Serialize())) return false;
  if (auto bytes = files_.ReadAll(path_)) Parse(*bytes);
  return true;
}

TiXmlElement* XmlListFile::Root() { return document_ ? document_->RootElement() : nullptr; }

std::vector<XmlListEntry> XmlListFile::Entries() const {
  std::vector<XmlListEntry> entries;
  const TiXmlElement* root = document_ ? document_->RootElement() : nullptr;
  if (!root) return entries;
  for (const TiXmlElement* element = root->FirstChildElement(); element;
       element = element->NextSiblingElement()) {
    const TiXmlAttribute* first = element->FirstAttribute();
    entries.push_back({first ? FromUtf8(first->Value()) : WString(), TextOf(*element)});
  }
  return entries;
}

TiXmlElement* XmlListFile::FindByText(WStringView text) {
  TiXmlElement* root = Root();
  if (!root) return nullptr;
  for (TiXmlElement* element = root->FirstChildElement(); element;
       element = element->NextSiblingElement()) {
    if (TextOf(*element) == text) return element;
  }
  return nullptr;
}

void XmlListFile::Append(WStringView name, WStringView text) {
  if (!Root()) Reset();
  TiXmlElement element(ToUtf8(kXmlListEntry).c_str());
  element.SetAttribute(ToUtf8(kXmlListNameAttribute).c_str(), ToUtf8(name).c_str());
  element.InsertEndChild(TiXmlText(ToUtf8(text).c_str()));
  Root()->InsertEndChild(element);
}

bool XmlListFile::Modify(WStringView oldText, WStringView name, WStringView text) {
  TiXmlElement* element = FindByText(oldText);
  if (!element) return false;
  if (TiXmlAttribute* first = element->FirstAttribute()) {
    first->SetValue(ToUtf8(name).c_str());
  } else {
    element->SetAttribute(ToUtf8(kXmlListNameAttribute).c_str(), ToUtf8(name).c_str());
  }
  SetText(*element, ToUtf8(text));
  return true;
}

bool XmlListFile::ModifyNth(WStringView oldName, WStringView oldText, size_t nth, WStringView name,
                            WStringView text) {
  TiXmlElement* root = Root();
  if (!root) return false;
  for (TiXmlElement* element = root->FirstChildElement(); element; element = element->NextSiblingElement()) {
    const TiXmlAttribute* first = element->FirstAttribute();
    const WString elementName = first ? FromUtf8(first->Value()) : WString();
    if (elementName != oldName || TextOf(*element) != oldText) continue;
    if (nth-- > 0) continue;
    if (TiXmlAttribute* attribute = element->FirstAttribute()) {
      attribute->SetValue(ToUtf8(name).c_str());
    } else {
      element->SetAttribute(ToUtf8(kXmlListNameAttribute).c_str(), ToUtf8(name).c_str());
    }
    SetText(*element, ToUtf8(text));
    return true;
  }
  return false;
}

XmlListEntry XmlListFile::AsReadBack(WStringView name, WStringView text) {
  TiXmlDocument written;
  written.InsertEndChild(TiXmlDeclaration("1.0", "UTF-8", ""));
  TiXmlElement element(ToUtf8(kXmlListEntry).c_str());
  element.SetAttribute(ToUtf8(kXmlListNameAttribute).c_str(), ToUtf8(name).c_str());
  element.InsertEndChild(TiXmlText(ToUtf8(text).c_str()));
  written.InsertEndChild(element);
  TiXmlPrinter printer;
  written.Accept(&printer);
  std::string bytes = NormalizeLineEnds(printer.CStr());
  bytes.append(kReadPastPadding, '\0');
  TiXmlDocument read;
  read.Parse(bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
  const TiXmlElement* back = read.RootElement();
  if (read.Error() || back == nullptr) return {WString(name), WString(text)};
  const TiXmlAttribute* first = back->FirstAttribute();
  return {first ? FromUtf8(first->Value()) : WString(), TextOf(*back)};
}

bool XmlListFile::Remove(WStringView text) {
  TiXmlElement* element = FindByText(text);
  return element && Root()->RemoveChild(element);
}

bool XmlListFile::MoveUp(WStringView text) {
  TiXmlElement* element = FindByText(text);
  TiXmlElement* previous = element ? PreviousElement(element) : nullptr;
  if (!previous) return false;
  // The reader's insert makes a copy; the original goes afterwards.
  if (!Root()->InsertBeforeChild(previous, *element)) return false;
  return Root()->RemoveChild(element);
}

bool XmlListFile::MoveDown(WStringView text) {
  TiXmlElement* element = FindByText(text);
  TiXmlElement* next = element ? element->NextSiblingElement() : nullptr;
  if (!next) return false;
  if (!Root()->InsertAfterChild(next, *element)) return false;
  return Root()->RemoveChild(element);
}

}  // namespace tarvo
