#pragma once
// MainMenu.xml, the launcher's item list: UTF-8, root "Normal", one "a" per
// item with the attributes "Title" and "ext" (the kind) and the children
// "IconPath" and "ExePath". Reading is positional: the first attribute is the
// title, the second the kind, the first child element the icon path and its
// next sibling element the command. The document stays in memory for the
// run; every edit saves the file and reads it back.
#include <functional>
#include <vector>

#include "app/XmlListFile.h"
#include "launcher/items/LauncherDefaults.h"
#include "launcher/items/LauncherItem.h"

namespace tarvo {

inline constexpr char kNewLauncherFile[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Normal>\r\n</Normal>";
inline constexpr char16_t kLauncherFileError[] = u"Can not open the file: MainMenu.xml.";

class LauncherDocument {
 public:
  LauncherDocument(FileAccess& files, WString path);

  // Reads the file, creating the empty three-line file when it is missing.
  // False when it could not be read or parsed (an unparsable file is kept
  // aside as "MainMenu.xml.bad"); the document is then a fresh one.
  bool Load();
  // The items the document holds, read positionally.
  std::vector<LauncherItem> ReadItems() const;

  void AppendItemElement(const LauncherItem& item);
  // Removes the first "a" whose first attribute equals the title.
  bool RemoveItemElement(WStringView title);
  // Positional edits, matching the positional reading: the element at index
  // among the root's child elements. False when there is none (or nothing
  // to swap with); the document is unchanged then.
  bool RemoveItemElementAt(size_t index);
  bool SwapItemElementWithNext(size_t index);
  void RemoveAllItemElements();
  bool Save();
  XmlListFile& File() { return file_; }

 private:
  FileAccess& files_;
  XmlListFile file_;
};

// Empties items and fills them from the document (loading it first); when
// none result, builds the template's defaults, saves them and reads them
// back. onUnreadable is called when the file could not be opened or parsed.
void LoadLauncherItems(LauncherDocument& document, int templateStyle, const DeviceFacts& device,
                       FileAccess& phoneFiles, std::vector<LauncherItem>& items,
                       const std::function<void()>& onUnreadable);

// Replaces the items and the document's elements with the template's
// defaults, saves and reads them back.
void BuildDefaultItems(LauncherDocument& document, int templateStyle, const DeviceFacts& device,
                       FileAccess& phoneFiles, std::vector<LauncherItem>& items);

}  // namespace tarvo
