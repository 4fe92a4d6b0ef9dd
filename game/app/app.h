// The application object: it opens the window, owns the physics world and the
// object space of the current level, keeps the camera and the screen fade,
// and does each frame's work. The objects it drew last are the candidates of
// the next physics step's collision pass.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "render/vec2.h"

namespace ol {
class Bitmap;
}

namespace Tessora {
class Object;
class World;
}  // namespace Tessora

namespace Kest {

class Fader;
class Object;
class Space;

// The designed screen: the part of the world the camera shows, whatever
// size the window has.
constexpr float kViewWidth = 800.0f;
constexpr float kViewHeight = 600.0f;

class App {
 public:
  // Starts the drawing layer with keyboard, mouse and timer and opens a
  // windowed width x height screen, then makes the first world and space.
  App(int width, int height);
  virtual ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Whether the screen opened; without it nothing can be drawn or read.
  bool HasScreen() const { return hasScreen_; }

  // A new empty space and a new world with the game's settings; the old
  // space deletes its objects before the old world goes.
  void ResetWorld();
  Space* GetSpace() const { return space_.get(); }
  Tessora::World* GetWorld() const { return world_.get(); }

  // With the query on, objects outside the 800 x 600 view are neither drawn
  // nor collided (their bodies still move).
  void SetQueryUpdate(bool on) { queryUpdate_ = on; }

  // The world point at the top-left corner of the screen.
  void SetCamera(const ol::Vec2& camera);
  const ol::Vec2& GetCamera() const { return camera_; }

  // The picture drawn behind the level, fixed to the screen; a file that
  // does not load leaves the plain black fill.
  void SetBgImage(const std::string& fileName);

  // Everything drawn from now on starts black and brightens over the next
  // frames.
  void StartFadeFromBlack();

  // One frame: fade, clear, then for each object in depth order delete it
  // if it was removed, else update it (when simulating), and draw and list
  // it if it is in view. Always true. A pass that the next one paints over
  // does all of that but leaves the screen's pixels alone when the next
  // pass begins by covering the whole screen.
  bool UpdateAndDraw(float dt, bool simulate, bool paintedOver = false);
  // One physics step of the given length over the objects drawn last.
  void Simulate(float step);

  // The objects the last UpdateAndDraw drew, in drawing order.
  const std::vector<Object*>& GetDrawList() const { return drawList_; }

 private:
  void AdvanceFade(float dt);
  void DrawBackground();
  // The background to draw, fetched again after a level load; null for the
  // plain fill.
  const ol::Bitmap* CurrentBackground();
  bool PassCoversScreen();
  void WalkSpace(float dt, bool simulate);

  std::unique_ptr<Space> space_;
  std::vector<Object*> drawList_;
  std::unique_ptr<Tessora::World> world_;
  // The background shares a texture of the resource manager it came from;
  // a level load's new manager means fetching it again by its name.
  std::string backgroundFile_;
  std::unique_ptr<ol::Bitmap> background_;
  unsigned backgroundGeneration_ = 0;
  ol::Vec2 camera_;
  bool fading_ = false;
  std::unique_ptr<Fader> fader_;
  bool queryUpdate_ = true;
  bool hasScreen_ = false;
  std::vector<Tessora::Object*> collisionCandidates_;
};

// The one application object, or null before it is made.
App* GetApplication();

// The application's camera; the origin while there is no application (a
// level built without a screen).
ol::Vec2 GetCameraPosition();

// The solver settings every level's world is made with.
void ApplyGameSettings(Tessora::World& world);

}  // namespace Kest
