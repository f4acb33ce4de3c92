#pragma once
// Text slabs for loaded lines: a line filled by the loader sits in a slab
// exactly sized, with no gap and no heap block of its own, until its first
// growth moves it to a buffer of its own.
#include <cstdint>

class LoadArena {
 public:
  // Lines longer than this leave the arena for a buffer of their own.
  static constexpr std::int32_t kLongestLine = 16 * 1024;

  LoadArena() = default;
  LoadArena(const LoadArena&) = delete;
  LoadArena& operator=(const LoadArena&) = delete;
  ~LoadArena() { Release(); }

  // Extends the run of length units at start (the slab's last run, or any
  // run when length is 0) by count units and returns where the run now
  // starts: in place when the slab has room, else copied into a new slab.
  // nullptr when memory is exhausted (the run is then unchanged).
  char16_t* Extend(char16_t* start, std::int32_t length, std::int32_t count);
  // True when the run ends where the next one would start.
  bool IsLastRun(const char16_t* start, std::int32_t length) const;
  // Frees every slab; no line may still point into them.
  void Release();
  // Takes over every slab of other, which is left empty; runs in them stay
  // where they are, and new runs still go to this arena's current slab.
  void Adopt(LoadArena& other);

 private:
  struct Slab;
  Slab* slabs_ = nullptr;
  char16_t* next_ = nullptr;
  char16_t* end_ = nullptr;
};
