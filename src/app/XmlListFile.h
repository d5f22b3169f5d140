#pragma once
// The program's XML list files (launcher items, TV list, site list): UTF-8,
// root element "Normal", one child element per entry holding its name in the
// first attribute and its value as the element text. The parsed document is
// kept for edits; every save replaces the file through a temporary file and
// reads it back, so the document always matches the file. A file that cannot
// be parsed is kept aside as "<name>.bad" before anything can replace it.
#include <memory>
#include <string>
#include <vector>

#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

class TiXmlDocument;
class TiXmlElement;

namespace tarvo {

inline constexpr char16_t kXmlListRoot[] = u"Normal";
inline constexpr char16_t kXmlListEntry[] = u"a";
inline constexpr char16_t kXmlListNameAttribute[] = u"id";
inline constexpr char16_t kBadFileSuffix[] = u".bad";

struct XmlListEntry {
  WString name;  // value of the element's first attribute
  WString text;  // the element's text
};

enum class XmlLoadStatus {
  kLoaded,
  kMissing,     // no file: the document is fresh
  // Kept aside (when possible); the document is fresh. A file that cannot
  // be read or kept aside is never replaced: saves are refused.
  kUnparsable,
};

class XmlListFile {
 public:
  XmlListFile(FileAccess& files, WString path);
  ~XmlListFile();
  XmlListFile(const XmlListFile&) = delete;
  XmlListFile& operator=(const XmlListFile&) = delete;

  const WString& Path() const { return path_; }
  // Where KeepAside puts the next copy: "<name>.bad", or "<name>.bad.N" for
  // the first N from 1 that no earlier copy took, so none is overwritten.
  WString BadPath() const;

  XmlLoadStatus Load();
  // A fresh document: the declaration and an empty root "Normal".
  void Reset();
  // Writes the bytes to BadPath(). Until that succeeds for a file that is
  // being replaced, saves are refused so the user's file is not lost.
  bool KeepAside(std::string_view bytes);
  // Writes the document and reads it back; false when nothing was written.
  bool Save();

  // The root's child elements in document order.
  std::vector<XmlListEntry> Entries() const;
  // For files whose entries carry more than a name and a text; may be null
  // only while nothing has been loaded or reset.
  TiXmlElement* Root();

  // Edits of the document; entries are found by their text, the first match
  // wins. False when no element has that text (or, for moves, when there is
  // nothing to move past); the document is unchanged then.
  void Append(WStringView name, WStringView text);
  bool Modify(WStringView oldText, WStringView name, WStringView text);
  // The same on the element that is the nth (from 0) with this name and text.
  bool ModifyNth(WStringView oldName, WStringView oldText, size_t nth, WStringView name, WStringView text);
  bool Remove(WStringView text);
  bool MoveUp(WStringView text);
  bool MoveDown(WStringView text);

  // A name and text as an entry written to a file reads them back: the
  // reader condenses blanks, so what is kept in a list must be this.
  static XmlListEntry AsReadBack(WStringView name, WStringView text);

  // The document as the file holds it.
  std::string Serialize() const;

 private:
  TiXmlElement* FindByText(WStringView text);
  bool Parse(std::string_view bytes);

  FileAccess& files_;
  WString path_;
  std::unique_ptr<TiXmlDocument> document_;
  bool savesAllowed_ = true;
};

}  // namespace tarvo
