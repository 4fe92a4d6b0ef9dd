// Where drawing goes: the back buffer, the front buffer or a bitmap, each
// with its own stack of clip rectangles and pixel write mode.
#pragma once

#include <deque>

namespace ol {

class Bitmap;

enum CanvasTarget {
  BITMAP_TARGET = 0,
  BACK_BUFFER_TARGET = 1,
  FRONT_BUFFER_TARGET = 2,
};

// Which channels a drawing writes.
enum PixelWriteMode {
  WRITE_COLOR_AND_ALPHA = 0,
  WRITE_COLOR_ONLY = 1,
  WRITE_ALPHA_ONLY = 2,
};

struct ClipRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// The state of one rendering target.
struct CanvasRecord {
  int width = 0;
  int height = 0;
  std::deque<ClipRect> clips;  // the last pushed is on top and is the one in force
  int pixelWriteMode = WRITE_COLOR_AND_ALPHA;
  int target = BACK_BUFFER_TARGET;
  Bitmap* bitmap = nullptr;  // for BITMAP_TARGET only; not owned
};

class Canvas {
 public:
  // Clears the canvas (inside the clip rectangle when one is set), writing
  // only the channels of the given PixelWriteMode; the canvas's own write
  // mode is kept.
  static void Fill(float r, float g, float b, float a, int channelMode = WRITE_COLOR_AND_ALPHA);

  // Pushes a clip rectangle (canvas pixels, y down); only the top one counts.
  static void SetClipping(int x, int y, int w, int h);
  static void DisableClipping();
  static void ApplyClipping();
  static void ApplyState();

  // Selects the back or front buffer; BITMAP_TARGET is refused (SetToBitmap).
  static void SetTo(int target);
  // Redirects drawing into the bitmap until another target is selected.
  static void SetToBitmap(Bitmap& bitmap);

  static void PushCanvas();
  // Makes the last pushed canvas active again; false when none was pushed.
  static bool PopCanvas();

  static void SelectBuffer(int target);

  // While hidden (and the pixel savings are on), drawing on the back buffer
  // reaches no pixel: gathered draws are forgotten and GL's own draws and
  // fills are scissored to nothing. Drawing into bitmaps goes on as ever.
  // For a pass that the next one paints over whole.
  static void HideScreenDrawing(bool hidden);
  // Whether a draw may reach every pixel of the back buffer, every channel:
  // it is the target, not hidden, no clip cuts any pixel away and no
  // channel is left out.
  static bool IsWholeBackBuffer();

  // Ends the frame: flips the back buffer, finishes the front buffer, or
  // copies what was drawn into the target bitmap.
  static void Refresh();

  // Every canvas record takes the screen size.
  static void SetSurfaceSize();

  static int Width();
  static int Height();
  static int GetTarget();

 private:
  static void SetToRecord(const CanvasRecord& record);
  static void ReleaseSurface();
};

}  // namespace ol
