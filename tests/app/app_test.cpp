#include "game/app/app.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/objects/object.h"
#include "game/objects/space.h"
#include "render/canvas.h"
#include "render/transforms.h"
#include "tessora/circle.h"
#include "tessora/dynamic.h"
#include "tessora/world.h"
#include "tests/support/screen.h"

#include <allegro.h>
#include <loadpng.h>

#include "platform/platform.h"

namespace {

using Journal = std::vector<std::string>;

// An object that writes what the application does with it into a journal.
class Probe : public Kest::Object {
 public:
  Probe(Journal& journal, std::string name, bool inView = true)
      : journal_(journal), name_(std::move(name)), inView_(inView) {}
  ~Probe() override { journal_.push_back("delete " + name_); }

  void Update(float) override { journal_.push_back("update " + name_); }
  void Draw() override { journal_.push_back("draw " + name_); }
  bool IsInView(const ol::Vec2&, const ol::Vec2&) const override { return inView_; }

 private:
  Journal& journal_;
  std::string name_;
  bool inView_;
};

// A small dynamic circle that counts the contacts it is told about.
class Ball : public Kest::Object {
 public:
  Ball(Tessora::World& world, float x, float y)
      : body_(new Tessora::Circle(Tessora::Vec2(x, y), 10.0f), world.CreateBody()) {
    body_.surface.contactCallback = &Ball::OnContact;
    body_.surface.userData = this;
  }
  Tessora::Object* GetBody() const override { return const_cast<Tessora::Dynamic<Tessora::Circle>*>(&body_); }
  int contacts = 0;

 private:
  static void OnContact(Tessora::ContactBuffer* buffer) {
    ++static_cast<Ball*>(buffer->GetA()->surface.userData)->contacts;
  }
  Tessora::Dynamic<Tessora::Circle> body_;
};

class AppTest : public TestSupport::ScreenTest {
 protected:
  // The probes go while their journal lives.
  void TearDown() override {
    app->ResetWorld();
    ScreenTest::TearDown();
  }
  Probe* AddProbe(const std::string& name, int depth, bool inView = true) {
    auto* probe = new Probe(journal, name, inView);
    Level().InsertAt(probe, depth);
    return probe;
  }
  Journal journal;
};

float TintLevel() { return ol::Transforms::GetTintColor()->r; }

TEST_F(AppTest, FadeFromBlackReachesFullBrightnessAfterAbout212Milliseconds) {
  app->StartFadeFromBlack();
  EXPECT_EQ(TintLevel(), 0.0f);
  app->UpdateAndDraw(100.0f, false);
  EXPECT_FLOAT_EQ(TintLevel(), 120.0f / 255.0f);
  app->UpdateAndDraw(112.0f, false);
  EXPECT_FLOAT_EQ(TintLevel(), 254.0f / 255.0f);
  app->UpdateAndDraw(1.0f, false);
  EXPECT_FLOAT_EQ(TintLevel(), 1.0f);

  // Once the fade is over the tint is left to others.
  ol::Transforms::SetTintColor(ol::Rgba(0.5f, 0.5f, 0.5f, 1.0f));
  app->UpdateAndDraw(16.0f, false);
  EXPECT_FLOAT_EQ(TintLevel(), 0.5f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
}

// An unchanged camera leaves the canvas where others put it.
TEST_F(AppTest, TheCameraMovesTheCanvasOnlyWhenItChanges) {
  app->SetCamera(ol::Vec2(100.0f, 50.0f));
  EXPECT_EQ(ol::Transforms::GetPosition().x, -100.0f);
  EXPECT_EQ(ol::Transforms::GetPosition().y, -50.0f);
  ol::Transforms::SetPosition(5.0f, 5.0f);
  app->SetCamera(ol::Vec2(100.0f, 50.0f));
  EXPECT_EQ(ol::Transforms::GetPosition().x, 5.0f);
}

// Each frame deletes what was removed, updates the rest in depth order when
// simulating, and draws and lists what is in view, or everything with the
// query off.
TEST_F(AppTest, AFrameSweepsUpdatesAndDrawsInDepthOrder) {
  AddProbe("a", 5);
  AddProbe("b", -1);
  AddProbe("hidden", 0, false);
  AddProbe("gone", 0)->SetRemoved(true);
  AddProbe("c", 5);
  app->UpdateAndDraw(16.0f, true);
  EXPECT_EQ(journal, (Journal{"update b", "draw b", "update hidden", "delete gone", "update a", "draw a",
                              "update c", "draw c"}));
  EXPECT_EQ(app->GetDrawList().size(), 3u);
  journal.clear();
  app->SetQueryUpdate(false);
  app->UpdateAndDraw(16.0f, false);
  EXPECT_EQ(journal, (Journal{"draw b", "draw hidden", "draw a", "draw c"}));
  EXPECT_EQ(app->GetDrawList().size(), 4u);
}

// Far more objects in view than a fixed list of a thousand would hold:
// every one of them must still take part in the collision pass.
TEST_F(AppTest, EveryDrawnObjectCollidesHoweverManyAreInView) {
  std::vector<Ball*> balls;
  for (int pair = 0; pair < 700; ++pair) {
    const float x = static_cast<float>(pair % 35) * 100.0f;
    const float y = static_cast<float>(pair / 35) * 100.0f;
    for (float offset : {0.0f, 15.0f}) {
      balls.push_back(new Ball(*app->GetWorld(), x + offset, y));
      Level().InsertAt(balls.back(), 0);
    }
  }
  app->SetQueryUpdate(false);
  app->UpdateAndDraw(16.0f, true);
  app->Simulate(0.038f);
  int untouched = 0;
  for (const Ball* ball : balls) untouched += ball->contacts == 0;
  EXPECT_EQ(app->GetDrawList().size(), 1400u);
  EXPECT_EQ(untouched, 0);
}

// A green picture of the screen's size that lets half of what is beneath
// show through; returns its game name.
std::string WriteSeeThroughSky() {
  BITMAP* image = create_bitmap_ex(32, 800, 600);
  clear_to_color(image, makeacol32(0, 255, 0, 128));
  save_png((Platform::ExecutableDirectory() + "res/test_pane.png").c_str(), image, nullptr);
  destroy_bitmap(image);
  return "res\\test_pane.png";
}

// A pass that the next one paints over updates and draws every object, but
// leaves the screen alone where the next begins by covering all of it: with
// the fill or an opaque background of the screen's size. A smaller or a
// see-through background covers too little, so then the pass shows.
TEST_F(AppTest, APassPaintedOverLeavesTheScreenAloneWhereTheNextCoversIt) {
  using namespace TestSupport;
  AddProbe("a", 0);
  const std::string sky = WriteImage("res\\test_sky.png", 800, 600, kBlue);
  const std::string small = WriteImage("res\\test_small_sky.png", 799, 600, kGreen);
  const std::string none;
  for (const std::string& background : {none, sky}) {
    app->SetBgImage(background);
    ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
    journal.clear();
    app->UpdateAndDraw(16.0f, true, true);
    EXPECT_EQ(journal, (Journal{"update a", "draw a"})) << background;
    EXPECT_TRUE(IsColour(ReadPixel(10, 10), kRed)) << background;
  }
  app->SetBgImage(small);
  app->UpdateAndDraw(16.0f, true, true);
  EXPECT_TRUE(IsColour(ReadPixel(10, 10), kGreen));
  const std::string pane = WriteSeeThroughSky();
  app->SetBgImage(pane);
  ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
  app->UpdateAndDraw(16.0f, true, true);
  EXPECT_FALSE(IsColour(ReadPixel(10, 10), kRed)) << "the see-through sky over the fill";
  RemoveImage(pane);
  app->SetBgImage(sky);
  app->UpdateAndDraw(16.0f, true);
  EXPECT_TRUE(IsColour(ReadPixel(10, 10), kBlue));
  RemoveImage(sky);
  RemoveImage(small);
}

TEST_F(AppTest, ANewWorldForgetsTheObjectsDrawnInTheOldOne) {
  Level().InsertAt(new Ball(*app->GetWorld(), 0.0f, 0.0f), 0);
  Level().InsertAt(new Ball(*app->GetWorld(), 15.0f, 0.0f), 0);
  app->UpdateAndDraw(16.0f, true);
  app->ResetWorld();
  EXPECT_TRUE(app->GetDrawList().empty());
  app->Simulate(0.038f);
}

}  // namespace
