// What makes the level time tick: once started, the source calls its tick
// function every 10 ms, from a thread of its own, until it is stopped.
// The game uses Allegro's timer thread; tests hand the timer manager a
// source they drive themselves.
#pragma once

namespace Kest {

class TickSource {
 public:
  using TickFunction = void (*)();

  virtual ~TickSource() = default;
  virtual void Start(TickFunction tick) = 0;
  // Once it returns, the tick function is not called any more.
  virtual void Stop() = 0;
};

// Allegro's timer callback, every 10 ms; needs the library's timer
// installed (the application does that).
class AllegroTickSource : public TickSource {
 public:
  ~AllegroTickSource() override { Stop(); }
  void Start(TickFunction tick) override;
  void Stop() override;

 private:
  TickFunction tick_ = nullptr;
};

}  // namespace Kest
