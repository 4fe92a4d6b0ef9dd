#include "render/canvas.h"

#include <map>

#include "render/bitmap.h"
#include "render/blenders.h"
#include "render/drawbatch.h"
#include "render/framebuffer.h"
#include "render/gl.h"
#include "render/settings.h"
#include "render/setup.h"
#include "render/transforms.h"

namespace ol {
namespace {

CanvasRecord active;
bool screenHidden = false;
// The back and front buffers' records while another target is active.
std::map<int, CanvasRecord> savedRecords;
std::deque<CanvasRecord> canvasStack;

void SetColorMask(int mode) {
  switch (mode) {
    case WRITE_COLOR_AND_ALPHA: glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE); break;
    case WRITE_COLOR_ONLY: glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE); break;
    case WRITE_ALPHA_ONLY: glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE); break;
    default: break;
  }
}

// Clip rectangles count from the top of the drawing surface, GL's scissor
// from the bottom of the window. A bitmap target is drawn at the top-left
// corner of the back buffer, so its rows too count from the window's top.
int ScissorBase() {
  return active.target == BITMAP_TARGET ? Setup::GetScreenHeight() : active.height;
}

CanvasRecord NewRecord(int width, int height, int target, Bitmap* bitmap) {
  CanvasRecord record;
  record.width = width;
  record.height = height;
  record.target = target;
  record.bitmap = bitmap;
  return record;
}

bool IsHidden() {
  return screenHidden && active.target == BACK_BUFFER_TARGET && Settings::HasPixelSavings();
}

// Whether the clip rectangle on top cuts nothing away: there is none, or
// it holds the whole window. (A bitmap target lies in a corner of the back
// buffer: there the scissor also keeps drawing off the rest.)
bool IsUnclipped() {
  if (active.clips.empty()) return true;
  const ClipRect& top = active.clips.back();
  return active.target != BITMAP_TARGET && top.x <= 0 && top.y <= 0 &&
         top.x + top.w >= active.width && top.y + top.h >= active.height;
}

// The scissor of the clip rectangle on top, none when there is none, and
// an empty one while the canvas is hidden.
void ApplyScissor() {
  const bool hidden = IsHidden();
  DrawBatch::SetUnseen(hidden);
  if (hidden) {
    glScissor(0, 0, 0, 0);
  } else if (active.clips.empty()) {
    glDisable(GL_SCISSOR_TEST);
    return;
  } else {
    const ClipRect& top = active.clips.back();
    glScissor(top.x, ScissorBase() - top.y - top.h, top.w, top.h);
  }
  glEnable(GL_SCISSOR_TEST);
}

// The bitmap's image is copied into the back buffer to be drawn on: that
// copy and what follows are never hidden.
void BindBitmap(Bitmap& bitmap) {
  ApplyScissor();
  if (FrameBuffer* framebuffer = FrameBuffer::GetInstance())
    framebuffer->BindToTexture(bitmap.GetTextureInfo());
}

}  // namespace

void Canvas::Fill(float r, float g, float b, float a, int channelMode) {
  // A fill of every channel with no clip paints over all that was gathered
  // since the last flush: the frame's first pass, when the second one
  // starts with a fill.
  if (channelMode == WRITE_COLOR_AND_ALPHA && active.clips.empty()) {
    DrawBatch::Discard();
  } else {
    DrawBatch::Flush();
  }
  const int ownMode = active.pixelWriteMode;
  active.pixelWriteMode = channelMode;
  SetColorMask(channelMode);
  glClearColor(r, g, b, a);
  glClear(GL_COLOR_BUFFER_BIT);
  active.pixelWriteMode = ownMode;
  SetColorMask(ownMode);
}

void Canvas::SetClipping(int x, int y, int w, int h) {
  DrawBatch::Flush();
  active.clips.push_back(ClipRect{x, y, w, h});
  ApplyScissor();
}

void Canvas::DisableClipping() {
  DrawBatch::Flush();
  active.clips.clear();
  ApplyScissor();
}

void Canvas::ApplyClipping() {
  DrawBatch::Flush();
  ApplyScissor();
}

void Canvas::ApplyState() {
  DrawBatch::Flush();
  ApplyClipping();
  SetColorMask(active.pixelWriteMode);
}

void Canvas::SetTo(int target) {
  if (target != BACK_BUFFER_TARGET && target != FRONT_BUFFER_TARGET) return;
  ReleaseSurface();
  SelectBuffer(target);
  const auto saved = savedRecords.find(target);
  if (saved != savedRecords.end()) {
    active = saved->second;
  } else {
    active = NewRecord(Setup::GetScreenWidth(), Setup::GetScreenHeight(), target, nullptr);
  }
  ApplyState();
}

void Canvas::SetToBitmap(Bitmap& bitmap) {
  ReleaseSurface();
  active = NewRecord(bitmap.Width(), bitmap.Height(), BITMAP_TARGET, &bitmap);
  BindBitmap(bitmap);
  ApplyState();
}

void Canvas::SetToRecord(const CanvasRecord& record) {
  if (record.target == BITMAP_TARGET && record.bitmap == nullptr) {
    SetTo(BACK_BUFFER_TARGET);
    return;
  }
  ReleaseSurface();
  active = record;
  if (record.target == BITMAP_TARGET) {
    BindBitmap(*record.bitmap);
  } else {
    SelectBuffer(record.target);
  }
  ApplyState();
}

void Canvas::PushCanvas() { canvasStack.push_back(active); }

bool Canvas::PopCanvas() {
  if (canvasStack.empty()) return false;
  const CanvasRecord top = canvasStack.back();
  canvasStack.pop_back();
  SetToRecord(top);
  return true;
}

void Canvas::ReleaseSurface() {
  switch (active.target) {
    case BITMAP_TARGET:
      Refresh();
      if (FrameBuffer* framebuffer = FrameBuffer::GetInstance()) framebuffer->Release();
      break;
    case BACK_BUFFER_TARGET:
    case FRONT_BUFFER_TARGET:
      savedRecords[active.target] = active;
      break;
    default: break;
  }
}

void Canvas::SelectBuffer(int target) {
  DrawBatch::Flush();
  if (target == BACK_BUFFER_TARGET) {
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
  } else if (target == FRONT_BUFFER_TARGET) {
    glDrawBuffer(GL_FRONT);
    glReadBuffer(GL_FRONT);
  }
}

void Canvas::HideScreenDrawing(bool hidden) {
  DrawBatch::Flush();
  screenHidden = hidden;
  ApplyScissor();
}

bool Canvas::IsWholeBackBuffer() {
  return active.target == BACK_BUFFER_TARGET && !IsHidden() && IsUnclipped() &&
         active.pixelWriteMode == WRITE_COLOR_AND_ALPHA;
}

void Canvas::Refresh() {
  Transforms::DrawScreenOverlay();
  DrawBatch::Flush();
  switch (active.target) {
    case BITMAP_TARGET:
      if (FrameBuffer* framebuffer = FrameBuffer::GetInstance()) framebuffer->RefreshSurface();
      break;
    case BACK_BUFFER_TARGET: allegro_gl_flip(); break;
    case FRONT_BUFFER_TARGET:
      glFlush();
      glFinish();
      break;
    default: break;
  }
  Blenders::Restore();
}

void Canvas::SetSurfaceSize() {
  const int w = Setup::GetScreenWidth();
  const int h = Setup::GetScreenHeight();
  active.width = w;
  active.height = h;
  for (auto& entry : savedRecords) {
    entry.second.width = w;
    entry.second.height = h;
  }
}

int Canvas::Width() { return active.width; }
int Canvas::Height() { return active.height; }
int Canvas::GetTarget() { return active.target; }

}  // namespace ol
