// Every bitmap registers with one process-wide collector, which releases the
// GPU and memory of whatever is still alive at shutdown, and runs the loads
// that were queued before the screen existed once it does.
#pragma once

#include <cstddef>
#include <list>

namespace ol {

// What a queued load reports to the auto loader.
enum OlLoadResult : int {
  OL_LOAD_DONE = 0,
  OL_LOAD_NOT_READY = 1,  // try again in the next pass
  OL_LOAD_FAILED = 2,
};

class GarbageCollected {
 public:
  virtual ~GarbageCollected() = default;

  // Releases the item's resources; with leaveCollector it also unregisters.
  virtual void Destroy(bool leaveCollector) = 0;
  virtual OlLoadResult ExecuteQueuedCommands() = 0;
  virtual void UnloadToMemory() = 0;
  virtual void SendToGPU() = 0;
  virtual bool IsValid() const = 0;
  virtual bool HasQueuedCommands() const = 0;
  virtual void AddToGarbageCollector() = 0;

  // Whether the collector deletes the item itself when it destroys it.
  bool DeleteWhenCollected() const { return deleteWhenCollected_; }

 protected:
  explicit GarbageCollected(bool deleteWhenCollected = false)
      : deleteWhenCollected_(deleteWhenCollected) {}

 private:
  bool deleteWhenCollected_;
};

class GarbageCollector {
 public:
  // The process-wide collector, made on first use. Null once it has been
  // shut down and deleted (ol::Setup::Shutdown): items destroyed after that
  // have nothing to leave.
  static GarbageCollector* Get();

  GarbageCollector() = default;
  ~GarbageCollector();
  GarbageCollector(const GarbageCollector&) = delete;
  GarbageCollector& operator=(const GarbageCollector&) = delete;

  void Register(GarbageCollected* item);
  void Unregister(GarbageCollected* item);
  bool IsRegistered(const GarbageCollected* item) const;
  std::size_t Count() const { return items_.size(); }

  // Releases every registered item (deleting those that ask for it) and
  // empties the list.
  void DestroyAll();
  // DestroyAll, then the framebuffer emulation is let go.
  void Shutdown();
  // Runs the queued loads of every registered item (end of screen set-up).
  void RunAutoLoader();

 private:
  std::list<GarbageCollected*> items_;
};

}  // namespace ol
