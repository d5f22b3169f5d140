#include "launcher/items/LauncherDocument.h"

#include <tinyxml.h>

#include <cstdlib>

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

WString TextOf(const TiXmlElement* element) {
  const char* text = element ? element->GetText() : nullptr;
  return text ? FromUtf8(text) : WString();
}

TiXmlElement ChildWithText(const char* name, const WString& text) {
  TiXmlElement child(name);
  if (!text.empty()) child.InsertEndChild(TiXmlText(ToUtf8(text).c_str()));
  return child;
}

}  // namespace

LauncherDocument::LauncherDocument(FileAccess& files, WString path)
    : files_(files), file_(files, std::move(path)) {}

bool LauncherDocument::Load() {
  if (!files_.FileExists(file_.Path()) &&
      !files_.WriteAtomically(file_.Path(), kNewLauncherFile)) {
    file_.Reset();
    return false;
  }
  return file_.Load() == XmlLoadStatus::kLoaded;
}

std::vector<LauncherItem> LauncherDocument::ReadItems() const {
  std::vector<LauncherItem> items;
  const TiXmlElement* root = const_cast<XmlListFile&>(file_).Root();
  if (root == nullptr) return items;
  for (const TiXmlElement* element = root->FirstChildElement(); element;
       element = element->NextSiblingElement()) {
    LauncherItem item;
    const TiXmlAttribute* first = element->FirstAttribute();
    const TiXmlAttribute* second = first ? first->Next() : nullptr;
    if (first) item.Title = FromUtf8(first->Value());
    if (second) item.Kind = std::atoi(second->Value());
    const TiXmlElement* icon = element->FirstChildElement();
    item.IconPath = TextOf(icon);
    item.ExePath = TextOf(icon ? icon->NextSiblingElement() : nullptr);
    items.push_back(item);
  }
  return items;
}

void LauncherDocument::AppendItemElement(const LauncherItem& item) {
  if (file_.Root() == nullptr) file_.Reset();
  TiXmlElement element("a");
  element.SetAttribute("Title", ToUtf8(item.Title).c_str());
  element.SetAttribute("ext", item.Kind);
  element.InsertEndChild(ChildWithText("IconPath", item.IconPath));
  element.InsertEndChild(ChildWithText("ExePath", item.ExePath));
  file_.Root()->InsertEndChild(element);
}

bool LauncherDocument::RemoveItemElement(WStringView title) {
  TiXmlElement* root = file_.Root();
  if (root == nullptr) return false;
  for (TiXmlElement* element = root->FirstChildElement(); element;
       element = element->NextSiblingElement()) {
    const TiXmlAttribute* first = element->FirstAttribute();
    if (first && FromUtf8(first->Value()) == title) return root->RemoveChild(element);
  }
  return false;
}

namespace {

TiXmlElement* ChildElementAt(TiXmlElement* root, size_t index) {
  TiXmlElement* element = root ? root->FirstChildElement() : nullptr;
  for (; element && index > 0; --index) element = element->NextSiblingElement();
  return element;
}

}  // namespace

bool LauncherDocument::RemoveItemElementAt(size_t index) {
  TiXmlElement* element = ChildElementAt(file_.Root(), index);
  return element && file_.Root()->RemoveChild(element);
}

bool LauncherDocument::SwapItemElementWithNext(size_t index) {
  TiXmlElement* root = file_.Root();
  TiXmlElement* element = ChildElementAt(root, index);
  TiXmlElement* next = element ? element->NextSiblingElement() : nullptr;
  if (next == nullptr) return false;
  // Put a copy of the later element in front of the earlier one.
  if (root->InsertBeforeChild(element, *next) == nullptr) return false;
  return root->RemoveChild(next);
}

void LauncherDocument::RemoveAllItemElements() {
  TiXmlElement* root = file_.Root();
  while (root && root->FirstChildElement()) root->RemoveChild(root->FirstChildElement());
}

bool LauncherDocument::Save() { return file_.Save(); }

void BuildDefaultItems(LauncherDocument& document, int templateStyle, const DeviceFacts& device,
                       FileAccess& phoneFiles, std::vector<LauncherItem>& items) {
  items.clear();
  document.RemoveAllItemElements();
  for (const LauncherItem& item : DefaultItems(templateStyle, device, phoneFiles))
    document.AppendItemElement(item);
  document.Save();
  items = document.ReadItems();
}

void LoadLauncherItems(LauncherDocument& document, int templateStyle, const DeviceFacts& device,
                       FileAccess& phoneFiles, std::vector<LauncherItem>& items,
                       const std::function<void()>& onUnreadable) {
  items.clear();
  if (!document.Load() && onUnreadable) onUnreadable();
  items = document.ReadItems();
  if (items.empty()) BuildDefaultItems(document, templateStyle, device, phoneFiles, items);
}

}  // namespace tarvo
