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

// A text as the game writes it into its XML files, in UTF-8: a text that is
// not UTF-8 is taken as Latin-1 (the letters of the game's fonts). The
// parser takes a UTF-8 lead byte with the bytes it announces, quotes and
// markup included, so that any other text would not read back.
std::string ToXmlText(const std::string& text);

class XmlPathDocument : public TiXmlDocument {
 public:
  XmlPathDocument() = default;
  XmlPathDocument(const XmlPathDocument&) = delete;
  XmlPathDocument& operator=(const XmlPathDocument&) = delete;

  // Reads the file (backslashes in the name are taken as separators) and
  // keeps its name for saving. The cursor and the stack start afresh.
  bool Load(const std::string& fileName);
  bool IsLoaded() const { return loaded_; }
  const std::string& GetFileName() const { return fileName_; }

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
  // value and text first made UTF-8 (ToXmlText) and every declaration the
  // game's own (version 1.0, UTF-8), so that the file reads back as it was
  // written: a failed save is logged and leaves the old file whole.
  bool Save();

  TiXmlNode* GetCurrentNode() const { return current_; }

 private:
  TiXmlNode* current_ = nullptr;
  bool loaded_ = false;
  std::deque<TiXmlNode*> stack_;
  std::string fileName_;
};

}  // namespace Kest
