#include "render/drawbatch.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "render/gl.h"

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

  bool operator==(const DrawState& o) const {
    return mode == o.mode && texture == o.texture && lineWidth == o.lineWidth;
  }
};

std::vector<BatchVertex> batch;
DrawState batchState;
// The primitive being handed over, still in its own GL kind.
std::vector<BatchVertex> primitive;
GLenum primitiveKind = GL_TRIANGLES;
DrawState primitiveState;
Affine placement;
BatchVertex current = {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f};
long drawsMade = 0;

// A long batch goes to GL in draws of this many vertices: whole triangles
// and whole segments. The software renderer's work on smoothed lines grows
// faster than the draw's length, so a few hundred vertices per draw beat
// one draw of thousands (measured: the 1,000-object frame takes half the
// time).
constexpr std::size_t VERTICES_PER_DRAW = 384;

bool IsLineKind(GLenum kind) { return kind == GL_LINES || kind == GL_LINE_LOOP; }

void Put(std::size_t i) { batch.push_back(primitive[i]); }

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

void SetArrays(const DrawState& state) {
  const GLsizei stride = sizeof(BatchVertex);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, stride, &batch[0].x);
  glEnableClientState(GL_COLOR_ARRAY);
  glColorPointer(4, GL_FLOAT, stride, &batch[0].r);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, stride, &batch[0].u);
  if (state.texture != 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, state.texture);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
  if (state.mode == GL_LINES) glLineWidth(state.lineWidth);
}

void UnsetArrays() {
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace

void DrawBatch::Begin(unsigned int kind, const Affine& where, unsigned int texture,
                      float lineWidth) {
  primitive.clear();
  primitiveKind = kind;
  const bool lines = IsLineKind(kind);
  primitiveState = DrawState{lines ? GLenum(GL_LINES) : GLenum(GL_TRIANGLES), texture,
                             lines ? lineWidth : 0.0f};
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
  if (!batch.empty() && !(primitiveState == batchState)) Flush();
  batchState = primitiveState;
  if (primitiveState.mode == GL_LINES) {
    PutLines();
  } else {
    PutTriangles();
  }
  primitive.clear();
}

void DrawBatch::Flush() {
  if (batch.empty()) return;
  SetArrays(batchState);
  for (std::size_t first = 0; first < batch.size(); first += VERTICES_PER_DRAW) {
    const std::size_t count = std::min(VERTICES_PER_DRAW, batch.size() - first);
    glDrawArrays(batchState.mode, static_cast<GLint>(first), static_cast<GLsizei>(count));
    ++drawsMade;
  }
  UnsetArrays();
  batch.clear();
}

void DrawBatch::Discard() { batch.clear(); }

void DrawBatch::FlushForDirectDrawing() {
  Flush();
  glDisable(GL_TEXTURE_2D);
  glColor4f(current.r, current.g, current.b, current.a);
}

long DrawBatch::DrawsMade() { return drawsMade; }

}  // namespace ol
