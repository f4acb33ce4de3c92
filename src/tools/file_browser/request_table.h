#pragma once
// Requests handed from one thread to another by serial number: the record
// stays in this table, which the program owns, and the message that
// announces it carries only the serial.  Any process can post a message to
// a window, so a number that names no request (or one already taken) finds
// nothing instead of being taken for a pointer.
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

template <typename Record>
class RequestTable {
 public:
  // The record's serial (never 0); 0, record dropped, when it cannot be
  // kept.
  std::uint32_t Add(std::unique_ptr<Record> record) {
    if (!record) return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    if (++next_ == 0) ++next_;
    if (!records_.emplace(next_, std::move(record)).second) return 0;
    return next_;
  }
  // The record of a serial, taken out of the table; null when there is
  // none.
  std::unique_ptr<Record> Take(std::uint32_t serial) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = records_.find(serial);
    if (found == records_.end()) return nullptr;
    std::unique_ptr<Record> record = std::move(found->second);
    records_.erase(found);
    return record;
  }
  void Clear() {
    std::unordered_map<std::uint32_t, std::unique_ptr<Record>> dropped;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      dropped.swap(records_);
    }
  }
  std::size_t Size() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return records_.size();
  }

 private:
  mutable std::mutex mutex_;
  std::uint32_t next_ = 0;
  std::unordered_map<std::uint32_t, std::unique_ptr<Record>> records_;
};
