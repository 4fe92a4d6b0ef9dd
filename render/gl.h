// The GL headers as the layer uses them: through AllegroGL, which must see
// Allegro first.
#pragma once

#include <allegro.h>
#include <alleggl.h>
#include <GL/gl.h>

// X11 names a close-down mode DestroyAll; the layer uses the word for its own
// operations and never needs the X constant.
#undef DestroyAll
