#include "render/drawbatch.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "render/blenders.h"
#include "render/gl.h"
#include "render/opaquetextures.h"
#include "render/overlapgrid.h"
#include "render/settings.h"

namespace ol {
namespace {

struct BatchVertex {
  float x, y;
  float u, v;
  float r, g, b, a;
};

// What the vertices of one GL draw share.
struct DrawState {
  GLenum mode = GL_TRIANGLES;  // GL_TRIANGLES or GL_LINES
  GLuint texture = 0;
  float lineWidth = 0.0f;  // 0 for triangles
  bool texelSampled = false;

  bool operator==(const DrawState& o) const {
    return mode == o.mode && texture == o.texture && lineWidth == o.lineWidth &&
           texelSampled == o.texelSampled;
  }
};

// Vertices of one state, drawn together. A run keeps its draws in their
// order; the runs go to GL one after another.
struct Run {
  DrawState state;
  std::vector<BatchVertex> vertices;
  bool translucent = false;  // some vertex has alpha below 1
};

// The pending runs are the first runCount; the rest keep their storage for
// the next frame.
std::vector<Run> runs;
std::size_t runCount = 0;
// Where the pending runs drew. Run 0 needs no marks: no draw ever joins a
// run before it.
OverlapGrid drawn;
// The camera (GL's model-view matrix) of the pending runs, taking their
// vertices to screen pixels: read when a second run needs it.
Affine camera;
bool cameraRead = false;
// The primitive being handed over, still in its own GL kind.
std::vector<BatchVertex> primitive;
GLenum primitiveKind = GL_TRIANGLES;
DrawState primitiveState;
Affine placement;
BatchVertex current = {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f};
long drawsMade = 0;
bool unseen = false;

// A long batch goes to GL in draws of this many vertices: whole triangles
// and whole segments. The software renderer's work on smoothed lines grows
// faster than the draw's length, so a few hundred vertices per draw beat
// one draw of thousands (measured: the 1,000-object frame takes half the
// time).
constexpr std::size_t VERTICES_PER_DRAW = 384;

bool IsLineKind(GLenum kind) { return kind == GL_LINES || kind == GL_LINE_LOOP; }

// The run the primitive joins.
Run* destination = nullptr;

void Put(std::size_t i) {
  destination->vertices.push_back(primitive[i]);
  if (primitive[i].a < 1.0f) destination->translucent = true;
}

void PutTriangle(std::size_t i, std::size_t j, std::size_t k) {
  Put(i);
  Put(j);
  Put(k);
}

// Triangles split as GL splits the primitive, so that colours shade across
// a quad the same way.
void PutTriangles() {
  const std::size_t n = primitive.size();
  switch (primitiveKind) {
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
      for (std::size_t i = 1; i + 1 < n; ++i) PutTriangle(0, i, i + 1);
      break;
    case GL_QUADS:
      for (std::size_t i = 0; i + 3 < n; i += 4) {
        PutTriangle(i, i + 1, i + 2);
        PutTriangle(i, i + 2, i + 3);
      }
      break;
    case GL_QUAD_STRIP:
      for (std::size_t i = 0; i + 3 < n; i += 2) {
        PutTriangle(i + 2, i, i + 3);
        PutTriangle(i, i + 1, i + 3);
      }
      break;
    default:
      break;
  }
}

void PutLines() {
  const std::size_t n = primitive.size();
  if (primitiveKind == GL_LINES) {
    for (std::size_t i = 0; i + 1 < n; i += 2) {
      Put(i);
      Put(i + 1);
    }
  } else if (n >= 2) {  // a loop: each vertex to the next, the last to the first
    for (std::size_t i = 0; i < n; ++i) {
      Put(i);
      Put((i + 1) % n);
    }
  }
}

void EnableArrays() {
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void DisableArrays() {
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

// Triangles of full alpha, untextured or of an opaque texture, under the
// alpha blender: blending would give back the source unchanged. (Smoothed
// lines fade at their edges, so they always blend.)
bool NeedsNoBlending(const Run& run) {
  const DrawState& state = run.state;
  return Settings::HasPixelSavings() && state.mode == GL_TRIANGLES && !run.translucent &&
         (state.texture == 0 || OpaqueTextures::IsOpaque(state.texture)) &&
         Blenders::IsAlphaBlending();
}

// Draws the run's vertices in GL draws of at most VERTICES_PER_DRAW.
void DrawVertices(const Run& run) {
  const std::vector<BatchVertex>& vertices = run.vertices;
  for (std::size_t first = 0; first < vertices.size(); first += VERTICES_PER_DRAW) {
    const std::size_t count = std::min(VERTICES_PER_DRAW, vertices.size() - first);
    glDrawArrays(run.state.mode, static_cast<GLint>(first), static_cast<GLsizei>(count));
    ++drawsMade;
  }
}

// Texel-sampled runs read their texture unfiltered for the run's draws and
// then give it its own filters back.
void DrawTexelSampled(const Run& run) {
  GLint magnify = GL_LINEAR, minify = GL_LINEAR;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magnify);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minify);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  DrawVertices(run);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnify);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minify);
}

void DrawRun(const Run& run) {
  const std::vector<BatchVertex>& vertices = run.vertices;
  if (vertices.empty()) return;
  const GLsizei stride = sizeof(BatchVertex);
  glVertexPointer(2, GL_FLOAT, stride, &vertices[0].x);
  glColorPointer(4, GL_FLOAT, stride, &vertices[0].r);
  glTexCoordPointer(2, GL_FLOAT, stride, &vertices[0].u);
  const DrawState& state = run.state;
  if (state.texture != 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, state.texture);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
  if (state.mode == GL_LINES) glLineWidth(state.lineWidth);
  const bool unblended = NeedsNoBlending(run);
  if (unblended) glDisable(GL_BLEND);
  if (state.texelSampled && state.texture != 0) {
    DrawTexelSampled(run);
  } else {
    DrawVertices(run);
  }
  if (unblended) glEnable(GL_BLEND);
}

Affine ModelView() {
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  Affine matrix;
  matrix.a = m[0];
  matrix.b = m[1];
  matrix.c = m[4];
  matrix.d = m[5];
  matrix.tx = m[12];
  matrix.ty = m[13];
  return matrix;
}

// The pixels the primitive may touch: its corners on the screen, widened by
// half a line's width and by a pixel for smoothing.
ScreenBox PrimitiveBox() {
  if (!cameraRead) camera = ModelView();
  cameraRead = true;
  float x0 = primitive[0].x, y0 = primitive[0].y, x1 = x0, y1 = y0;
  for (const BatchVertex& vertex : primitive) {
    x0 = std::min(x0, vertex.x);
    y0 = std::min(y0, vertex.y);
    x1 = std::max(x1, vertex.x);
    y1 = std::max(y1, vertex.y);
  }
  const Vec2 corners[] = {camera.Apply(x0, y0), camera.Apply(x1, y0), camera.Apply(x0, y1),
                          camera.Apply(x1, y1)};
  const float margin = 1.0f + primitiveState.lineWidth / 2.0f;
  ScreenBox box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const Vec2& corner : corners) {
    box.x0 = std::min(box.x0, corner.x - margin);
    box.y0 = std::min(box.y0, corner.y - margin);
    box.x1 = std::max(box.x1, corner.x + margin);
    box.y1 = std::max(box.y1, corner.y + margin);
  }
  return box;
}

std::size_t StartRun() {
  if (runs.size() == runCount) runs.emplace_back();
  runs[runCount].state = primitiveState;
  runs[runCount].translucent = false;
  return runCount++;
}

// The latest pending run of the primitive's state; runCount when none is.
std::size_t LatestRunOfPrimitiveState() {
  for (std::size_t run = runCount; run-- > 0;) {
    if (runs[run].state == primitiveState) return run;
  }
  return runCount;
}

// The primitive joins the latest run of its state when nothing drawn in a
// later run lies under it: then drawing it earlier changes no pixel, and
// wherever draws overlap they keep their order. Otherwise it starts a run.
std::size_t RunToJoin() {
  if (runCount == 0) return StartRun();
  const std::size_t last = runCount - 1;
  if (last == 0 && runs[0].state == primitiveState) return 0;
  const ScreenBox box = PrimitiveBox();
  std::size_t run = LatestRunOfPrimitiveState();
  // Nothing is drawn after the last run: it needs no look.
  const bool blocked = run != last && drawn.LatestRunIn(box) > static_cast<int>(run);
  if (run == runCount || blocked) run = StartRun();
  if (run > 0) drawn.Mark(box, static_cast<int>(run));
  return run;
}

// A primitive wholly transparent under a blending that keeps what lies
// beneath changes no pixel (the GUI fills some areas so): it is left out.
bool IsInvisible() {
  const auto transparent = [](const BatchVertex& vertex) { return vertex.a == 0.0f; };
  return std::all_of(primitive.begin(), primitive.end(), transparent) &&
         Blenders::KeepsUnderTransparent();
}

void ClearRuns() {
  for (std::size_t run = 0; run < runCount; ++run) runs[run].vertices.clear();
  runCount = 0;
  drawn.Clear();
  cameraRead = false;
}

}  // namespace

void DrawBatch::Begin(unsigned int kind, const Affine& where, unsigned int texture,
                      float lineWidth, TextureSampling sampling) {
  primitive.clear();
  primitiveKind = kind;
  const bool lines = IsLineKind(kind);
  const bool texelSampled = sampling == TEXEL_SAMPLING && Settings::HasPixelSavings();
  primitiveState = DrawState{lines ? GLenum(GL_LINES) : GLenum(GL_TRIANGLES), texture,
                             lines ? lineWidth : 0.0f, texelSampled};
  placement = where;
}

void DrawBatch::SetColor(const Rgba& color) {
  current.r = color.r;
  current.g = color.g;
  current.b = color.b;
  current.a = color.a;
}

void DrawBatch::SetTexCoord(float u, float v) {
  current.u = u;
  current.v = v;
}

void DrawBatch::AddVertex(float x, float y) {
  const Vec2 placed = placement.Apply(x, y);
  current.x = placed.x;
  current.y = placed.y;
  primitive.push_back(current);
}

void DrawBatch::End() {
  if (primitive.empty() || IsInvisible()) {
    primitive.clear();
    return;
  }
  destination = &runs[RunToJoin()];
  if (primitiveState.mode == GL_LINES) {
    PutLines();
  } else {
    PutTriangles();
  }
  primitive.clear();
}

void DrawBatch::Flush() {
  if (runCount == 0) return;
  if (unseen) {
    ClearRuns();
    return;
  }
  EnableArrays();
  for (std::size_t run = 0; run < runCount; ++run) DrawRun(runs[run]);
  DisableArrays();
  ClearRuns();
}

void DrawBatch::Discard() { ClearRuns(); }

void DrawBatch::SetUnseen(bool hidden) {
  Flush();
  unseen = hidden;
}

void DrawBatch::FlushForDirectDrawing() {
  Flush();
  glDisable(GL_TEXTURE_2D);
  glColor4f(current.r, current.g, current.b, current.a);
}

long DrawBatch::DrawsMade() { return drawsMade; }

}  // namespace ol
