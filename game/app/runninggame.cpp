#include "game/app/runninggame.h"

#include <allegro.h>

#include "game/app/allegrokeyboard.h"
#include "game/app/app.h"
#include "game/app/quitrequest.h"
#include "game/bike/bike.h"
#include "game/screens/debugconsole.h"
#include "game/level/eventmanager.h"
#include "game/screens/highscorescreen.h"
#include "game/level/level.h"
#include "game/level/levelscore.h"
#include "game/screens/objectiveswindow.h"
#include "game/app/startup.h"
#include "game/level/timermanager.h"
#include "game/data/tracklist.h"
#include "game/utility/utility.h"
#include "render/canvas.h"
#include "render/fpscounter.h"
#include "script/scriptmanager.h"

namespace Kest {

namespace {

LevelScore ScoreOfBike(const Bike* bike) {
  const unsigned remaining = TimerManager::GetRemainingTicks();
  if (!bike) return ScoreFinishedLevel(remaining, 0, 0.0f);
  return ScoreFinishedLevel(remaining, bike->GetFlips(), bike->GetWheelieTime());
}

// The finished track's record: the current track of the list or, for a
// level started from the command line, the list's track of that file.
TrackRecord FinishedTrack(const TrackList& tracks) {
  TrackRecord record;
  if (!tracks.GetCurrentTrack(record)) {
    record.fileName = Level::GetInstance()->GetName();
    tracks.FindTrackByFile(record);
  }
  return record;
}

}  // namespace

void RunningGame::StartScriptPass() { ScriptManager::StartPass(); }

bool RunningGame::IsRunning() { return running_ && !IsQuitRequested(); }

FreshKeys& RunningGame::KeysFor(KeyScreen screen) {
  if (keyScreen_ != screen) keys_.Open();
  keyScreen_ = screen;
  return keys_;
}

void RunningGame::RunTimerTicks() {
  if (TimerManager* timers = TimerManager::GetInstance()) timers->RunPendingTicks();
}

bool RunningGame::IsRestartRequested() {
  const Bike* bike = Bike::GetInstance();
  return bike && bike->IsRestartRequested();
}

void RunningGame::RestartLevel() { LoadTrack(""); }

void RunningGame::LoadTrack(const std::string& filename) {
  GetApplication()->StartFadeFromBlack();
  Level::GetInstance()->Load(filename, true);
}

bool RunningGame::IsWaiting() { return Level::GetInstance()->IsWaiting(); }

LoopGame::WaitingKey RunningGame::TakeKey() {
  FreshKeys& keys = KeysFor(KeyScreen::kWaiting);
  if (!keys.KeyPressed()) return WaitingKey::kNone;
  return keys.ReadKey() >> 8 == KEY_ESC ? WaitingKey::kMenu : WaitingKey::kPlay;
}

void RunningGame::RestartFrameCounter() {
  ol::FpsCounter::Pause();
  ol::FpsCounter::Start(100.0f);
}

void RunningGame::StartPlay() { Level::GetInstance()->StartPlay(); }

bool RunningGame::IsFinished() { return Level::GetInstance()->IsFinished(); }

void RunningGame::FinishLevel() {
  const LevelScore score = ScoreOfBike(Bike::GetInstance());
  Log("Finished " + Level::GetInstance()->GetName() + ": " + ToString(score.time) + " (time) + " +
      ToString(score.flips) + " (flips) + " + ToString(score.wheelies) + " (wheelies)");
  HighScoreScreen screen("res\\forest.png");
  TrackList& tracks = *TrackList::GetInstance();
  TrackRecord record = FinishedTrack(tracks);
  // A level that is no track of the list has no table to enter.
  if (!record.displayName.empty())
    screen.ShowHighScores(score.time, score.flips, score.wheelies, record.displayName);
  if (IsQuitRequested()) return;
  if (tracks.NextTrack(record))
    LoadTrack(record.fileName);
  else
    ReturnToMenu();
}

bool RunningGame::HandleGameKeys() { return Kest::HandleGameKeys(KeysFor(KeyScreen::kPlay), *this); }

void RunningGame::PreStep() {
  if (Bike* bike = Bike::GetInstance()) bike->PreStep();
}

void RunningGame::Simulate(float stepLength) { GetApplication()->Simulate(stepLength); }

void RunningGame::UpdateEvents() {
  if (EventManager* events = EventManager::GetInstance()) events->Update();
}

void RunningGame::StepBike(float elapsedMs) {
  if (Bike* bike = Bike::GetInstance()) bike->Step(elapsedMs);
}

ol::Vec2 RunningGame::GetBikePosition() {
  const Bike* bike = Bike::GetInstance();
  if (!bike) return ol::Vec2();
  const Tessora::Vec2 position = bike->GetPosition();
  return ol::Vec2(position.x, position.y);
}

bool RunningGame::IsShaking() {
  const Bike* bike = Bike::GetInstance();
  return bike && bike->IsShaking();
}

float RunningGame::RandomShake() { return RandomRange(-10.0f, 10.0f); }

void RunningGame::SetCamera(const ol::Vec2& camera) { GetApplication()->SetCamera(camera); }

void RunningGame::UpdateAndDraw(float dt, bool simulate) {
  GetApplication()->UpdateAndDraw(dt, simulate);
}

void RunningGame::UpdateAndDrawPaintedOver(float dt) {
  GetApplication()->UpdateAndDraw(dt, true, true);
}

void RunningGame::DrawObjectives() {
  ObjectivesWindow::GetInstance()->Draw();
}

void RunningGame::DrawConsole() {
  if (consoleShown_) DebugConsole::GetInstance()->Draw();
}

// Every frame shown counts toward the frame rate on the console.
void RunningGame::Refresh() {
  ol::FpsCounter::CountFrame();
  DebugConsole::GetInstance()->figures.fps = ol::FpsCounter::GetFps();
  ol::Canvas::Refresh();
}

void RunningGame::ReportStepFigure(float passes) {
  DebugConsole::GetInstance()->figures.stepFigure = passes;
}

void RunningGame::ReportFrameFigure(float passes) {
  DebugConsole::GetInstance()->figures.frameFigure = passes;
}

void RunningGame::SetThrottle(int state) {
  if (Bike* bike = Bike::GetInstance()) bike->SetThrottle(state);
}

void RunningGame::ReloadLevel() { Level::GetInstance()->Load("", true); }

void RunningGame::ReturnToMenu() {
  if (!StartGameFromMenu()) running_ = false;
}

void RunningGame::TurnAround() {
  if (Bike* bike = Bike::GetInstance()) bike->TurnAround();
}

int RunningGame::GetDirection() {
  const Bike* bike = Bike::GetInstance();
  return bike ? bike->GetDirection() : 0;
}

void RunningGame::LeanBack() {
  if (Bike* bike = Bike::GetInstance()) bike->LeanBack();
}

void RunningGame::LeanForward() {
  if (Bike* bike = Bike::GetInstance()) bike->LeanForward();
}

}  // namespace Kest
