// The drawing tests' screen: one 800 x 600 OpenGL window for the whole test
// program, and pixel reads from its back buffer.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "render/rgba.h"

namespace RenderTest {

constexpr int WINDOW_W = 800;
constexpr int WINDOW_H = 600;

// GL state recorded straight after ol::Setup::SetupScreen.
struct StateAfterSetup {
  std::array<float, 16> projection{};
  int blendSource = 0;
  int blendDestination = 0;
  bool blending = false;
  bool lineSmooth = false;
  bool pointSmooth = false;
  bool depthTest = false;
  int alphaBits = 0;
  int modelViewDepth = 0;
  ol::Rgba tint;
  unsigned char backBufferAlpha = 0;
};

const StateAfterSetup& SetupState();

// One pixel of the back buffer (canvas coordinates, y down) as bytes.
struct Pixel {
  int r = 0;
  int g = 0;
  int b = 0;
  int a = 0;
};
Pixel ReadPixel(int x, int y);

// How many pixels of the area (canvas coordinates) have a red byte above 127.
int CountRed(int x, int y, int w, int h);

// Puts the drawing state back to a plain start: back buffer, no clipping, no
// camera, white tint, alpha blending, cleared to opaque black.
void ResetCanvas();

// A PNG of w x h pixels in a scratch folder, every pixel the given RGBA bytes.
std::string MakePng(const std::string& name, int w, int h, Pixel color);

}  // namespace RenderTest
