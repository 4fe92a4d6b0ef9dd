// Reads of the frame made outside the layer (tests, screenshots) call
// glReadPixels themselves: the link wraps that call (see CMakeLists.txt) so
// that the draws still gathered in the batch reach the frame first.
#include "render/drawbatch.h"
#include "render/gl.h"

extern "C" {

void __real_glReadPixels(GLint x, GLint y, GLsizei w, GLsizei h, GLenum format, GLenum type,
                         GLvoid* pixels);

void __wrap_glReadPixels(GLint x, GLint y, GLsizei w, GLsizei h, GLenum format, GLenum type,
                         GLvoid* pixels) {
  ol::DrawBatch::Flush();
  __real_glReadPixels(x, y, w, h, format, type, pixels);
}

}  // extern "C"
