#pragma once
// The property every file format's fuzz target checks: whatever the input,
// saving what was loaded, then loading and saving that again, gives the
// same bytes.  load_and_save takes a byte span and returns a byte vector.
#include <cstdint>
#include <cstdlib>
#include <vector>

template <typename LoadAndSave>
int CheckRoundTrip(const std::uint8_t* data, std::size_t size, LoadAndSave load_and_save) {
  const std::vector<std::uint8_t> first = load_and_save({data, size});
  const std::vector<std::uint8_t> second = load_and_save(first);
  if (first != second) std::abort();
  return 0;
}
