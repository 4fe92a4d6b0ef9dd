// The one way the game reads and writes its XML files (the track list, the
// high scores, scene files): a document with a cursor that "/"-separated
// paths move, a stack to save and restore the cursor, and a walk that hands
// each child element's attributes to a NodeIterator.
#pragma once

#include <deque>
#include <string>

#include <tinyxml.h>

#include "game/data/nodeiterator.h"

namespace Kest {

// How the last load ended: a file read whole that does not parse (or
// nests deeper than kMaxXmlNesting) is malformed; one that could not be
// opened or read whole is unreadable.
enum class XmlRead { kParsed, kMissing, kUnreadable, kMalformed };

class XmlPathDocument : public TiXmlDocument {
 public:
  XmlPathDocument() = default;
  XmlPathDocument(const XmlPathDocument&) = delete;
  XmlPathDocument& operator=(const XmlPathDocument&) = delete;

  // Reads the file of a name of the game's (backslashes in it are taken as
  // separators) and keeps its path for saving. The cursor and the stack
  // start afresh. Every attribute value and text is then UTF-8: a document
  // declared in another encoding is taken as Latin-1, and so is a text that
  // is not UTF-8 in any other.
  bool Load(const std::string& fileName);
  // The same for a path that is already the system's (no translation).
  bool LoadPath(const std::string& path);
  bool IsLoaded() const { return loaded_; }
  const std::string& GetFileName() const { return fileName_; }
  XmlRead GetReadResult() const { return read_; }
  // Why the last file could not be read; empty when it could.
  const std::string& GetReadProblem() const { return problem_; }

  // Each step names a child of the cursor exactly; an empty step (a leading
  // "/", or "//") goes back to the document itself. False, with the cursor
  // null, at the first step that is not there; false and no move when
  // nothing is loaded.
  bool GoTo(const std::string& path);
  // Forgets every saved cursor and goes to the document.
  void GoToRoot();

  // Walks the children of parent (the cursor when null), each becoming the
  // cursor in turn, and visits the elements. Each visit's map starts as a
  // copy of the defaults, and the element's own attributes only fill what
  // the defaults leave open. A visit that returns false stops the walk with
  // its element as the cursor. Nothing happens while the cursor is null.
  void Iterate(NodeIterator& visitor, const AttributeMap* defaults = nullptr,
               TiXmlNode* parent = nullptr);

  void PushNode();
  // Restores the last pushed cursor; with nothing pushed the cursor stays.
  void PopNode();
  // Deletes the cursor's children. Saved cursors inside them are dropped,
  // so that no later pop can return a deleted node.
  void ClearNode();

  // Appends an element with these attributes, in the map's order, as the
  // cursor's last child, makes it the cursor and saves the whole file.
  // Nothing happens while the cursor is null.
  void AddElement(const std::string& name, const AttributeMap& attributes);
  // The same without saving: for writing many elements and then the whole
  // file once.
  void AppendElement(const std::string& name, const AttributeMap& attributes);
  // Writes the whole document over its file in one step, every attribute
  // value and text first made UTF-8 (AsUtf8) and every declaration the
  // game's own (version 1.0, UTF-8), so that the file reads back as it was
  // written: a failed save is logged and leaves the old file whole.
  bool Save();

  TiXmlNode* GetCurrentNode() const { return current_; }

 private:
  bool Read(const std::string& path);

  TiXmlNode* current_ = nullptr;
  bool loaded_ = false;
  XmlRead read_ = XmlRead::kMissing;
  std::deque<TiXmlNode*> stack_;
  std::string fileName_;
  std::string path_;
  std::string problem_;
};

}  // namespace Kest
