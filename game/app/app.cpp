#include "game/app/app.h"

#include "game/app/fader.h"
#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "game/utility/utility.h"
#include "render/bitmap.h"
#include "render/blenders.h"
#include "render/canvas.h"
#include "render/setup.h"
#include "render/transforms.h"
#include "tessora/world.h"

namespace Kest {

namespace {

App* application = nullptr;

const ol::Vec2 kViewSize(kViewWidth, kViewHeight);

}  // namespace

void ApplyGameSettings(Tessora::World& world) {
  world.SetCFM(0.0f);
  world.SetAutoDisableFlag(false);
  world.SetAutoDisableLinearThreshold(0.25f);
  world.SetERP(0.2f);
  world.SetContactMaxCorrectingVel(1.0f);
  world.SetContactSurfaceLayer(0.01f);
  world.SetGravity(Tessora::Vec2(0.0f, 0.9f));
}

App* GetApplication() { return application; }

ol::Vec2 GetCameraPosition() { return application ? application->GetCamera() : ol::Vec2(); }

App::App(int width, int height) {
  application = this;
  // Without the library (no X display, say) there is no screen to open.
  hasScreen_ = ol::Setup::SetupProgram(true, true, true) &&
               ol::Setup::SetupScreen(width, height, false, 32, 8, 0);
  ResetWorld();
}

App::~App() {
  background_.reset();
  fader_.reset();
  drawList_.clear();
  space_.reset();
  world_.reset();
  if (application == this) application = nullptr;
}

void App::ResetWorld() {
  // The space's objects own bodies in the old world, so they go first.
  drawList_.clear();
  space_.reset();
  space_ = std::make_unique<Space>();
  world_.reset();
  world_ = std::make_unique<Tessora::World>();
  ApplyGameSettings(*world_);
}

void App::SetCamera(const ol::Vec2& camera) {
  if (IsSamePoint(camera, camera_)) return;
  camera_ = camera;
  ol::Transforms::SetPosition(-camera.x, -camera.y);
}

void App::StartFadeFromBlack() {
  fading_ = true;
  fader_ = std::make_unique<FaderFromBlack>();
  ol::Transforms::SetTintColor(ol::Rgba(0.0f, 0.0f, 0.0f, 1.0f));
}

bool App::UpdateAndDraw(float dt, bool simulate, bool paintedOver) {
  const bool hidden = paintedOver && PassCoversScreen();
  if (hidden) ol::Canvas::HideScreenDrawing(true);
  AdvanceFade(dt);
  DrawBackground();
  WalkSpace(dt, simulate);
  if (hidden) ol::Canvas::HideScreenDrawing(false);
  return true;
}

// A pass begins with the background, drawn at the screen's top-left corner,
// or with a fill. Nothing a pass draws changes what decides whether that
// covers every pixel (the canvas, the background, the tint's alpha, the
// blender: sprites put it back), so this pass's start tells for the next.
bool App::PassCoversScreen() {
  if (!ol::Canvas::IsWholeBackBuffer()) return false;
  const ol::Bitmap* background = CurrentBackground();
  if (!background) return true;
  return background->IsOpaque() && background->Width() >= ol::Canvas::Width() &&
         background->Height() >= ol::Canvas::Height() && ol::Blenders::IsAlphaBlending() &&
         ol::Transforms::GetTintColor()->a == 1.0f;
}

void App::AdvanceFade(float dt) {
  if (!fading_) return;
  const float level = static_cast<float>(fader_->advance(dt)) / 255.0f;
  ol::Transforms::SetTintColor(ol::Rgba(level, level, level, 1.0f));
  fading_ = !fader_->isDone();
}

void App::SetBgImage(const std::string& fileName) {
  backgroundFile_ = fileName;
  background_.reset();
  ResourceManager* resources = ResourceManager::GetInstance();
  if (!resources) return;
  background_.reset(resources->GetBitmap(fileName));
  backgroundGeneration_ = ResourceManager::GetGeneration();
}

const ol::Bitmap* App::CurrentBackground() {
  if (!backgroundFile_.empty() && backgroundGeneration_ != ResourceManager::GetGeneration()) {
    SetBgImage(backgroundFile_);
  }
  return background_ && background_->IsValid() ? background_.get() : nullptr;
}

// The background is fixed to the screen: at the camera, it lands on whole
// pixels.
void App::DrawBackground() {
  if (const ol::Bitmap* background = CurrentBackground()) {
    background->BlitTexelForTexel(camera_.x, camera_.y);
  } else {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
  }
}

void App::WalkSpace(float dt, bool simulate) {
  // The list keeps its storage from frame to frame, and grows when more
  // objects are in view than ever before: every drawn object must collide.
  drawList_.clear();
  const ol::Vec2 viewEnd = camera_ + kViewSize;
  for (Space::Position it = space_->begin(); it != space_->end();) {
    Object* object = *it;
    if (object->IsRemoved()) {
      it = space_->Erase(it);
      continue;
    }
    ++it;
    if (simulate) object->Update(dt);
    if (queryUpdate_ && !object->IsInView(camera_, viewEnd)) continue;
    object->Draw();
    drawList_.push_back(object);
  }
}

void App::Simulate(float step) {
  collisionCandidates_.clear();
  for (Object* object : drawList_) collisionCandidates_.push_back(object->GetBody());
  world_->CollideObjects(collisionCandidates_);
  world_->Step(step);
}

}  // namespace Kest
