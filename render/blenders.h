// Blending presets and a stack to save and restore the current one.
#pragma once

namespace ol {

enum BlenderPreset {
  ALPHA_BLENDER = 0,     // source alpha over the destination
  ADDITIVE_BLENDER = 1,  // source alpha added to the destination
  SUBTRACTIVE_BLENDER = 2,
  COPY_BLENDER = 3,      // no blending: the source replaces the destination
  FULL_ADDITIVE_BLENDER = 4,
};

class Blenders {
 public:
  // Stores and applies a preset; an unknown preset re-applies the current one.
  static void Set(int preset);
  // Applies the current factor pair again.
  static void Restore();
  // Saves the current factor pair on the blender stack.
  static void Push();
  // The most recently pushed pair becomes current and is applied; nothing
  // happens when nothing was pushed.
  static void Pop();
  // Whether a wholly transparent draw leaves every pixel as it was: the
  // blending in force scales the source by its alpha and keeps the
  // destination.
  static bool KeepsUnderTransparent();
  // Whether GL blends with the alpha blender: a draw of alpha 1 then
  // replaces what lies beneath, as a draw without blending would.
  static bool IsAlphaBlending();
};

}  // namespace ol
