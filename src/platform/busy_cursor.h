#pragma once
// Shows the hourglass cursor for as long as it lives, then the one before.
class BusyCursor {
 public:
  BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  ~BusyCursor();

 private:
#ifdef _WIN32
  void* previous_ = nullptr;
#endif
};
