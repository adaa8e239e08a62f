#include "files/temporary_files.h"

#include <array>
#include <atomic>
#include <unistd.h>

namespace zelto::files {
namespace {

constexpr std::size_t kLongestPath = 1024;
constexpr std::size_t kNoSlot = kKeptTemporaryFiles;

// One name, written by the thread that owns the slot and read by a signal handler in any
// thread: a sequence lock, since a handler may not wait. The version is odd while the name
// changes; a reader that sees it change takes nothing. Only lock-free atomics, for the handler.
struct Slot {
  std::atomic<bool> owned{false};
  std::atomic<unsigned> version{0};
  std::array<std::atomic<char>, kLongestPath> path{};
};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<unsigned>::is_always_lock_free);
static_assert(std::atomic<char>::is_always_lock_free);

std::array<Slot, kKeptTemporaryFiles> slots;

void SetPath(Slot& slot, const std::string& path) {
  const unsigned version = slot.version.load(std::memory_order_relaxed);
  slot.version.store(version + 1, std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_release);
  for (std::size_t i = 0; i < path.size(); ++i)
    slot.path[i].store(path[i], std::memory_order_relaxed);
  slot.path[path.size()].store('\0', std::memory_order_relaxed);
  slot.version.store(version + 2, std::memory_order_release);
}

}  // namespace

OwnTemporaryFile::OwnTemporaryFile(const std::string& path) : slot_(kNoSlot) {
  if (path.empty() || path.size() >= kLongestPath)
    return;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    bool free = false;
    if (slots[i].owned.compare_exchange_strong(free, true, std::memory_order_acquire)) {
      slot_ = i;
      SetPath(slots[i], path);
      return;
    }
  }
}

OwnTemporaryFile::~OwnTemporaryFile() {
  if (slot_ == kNoSlot)
    return;
  SetPath(slots[slot_], {});
  slots[slot_].owned.store(false, std::memory_order_release);
}

void RemoveOwnTemporaryFiles() {
  for (Slot& slot : slots) {
    const unsigned version = slot.version.load(std::memory_order_acquire);
    if (version % 2 != 0)
      continue;
    std::array<char, kLongestPath> path{};
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
      path[i] = slot.path[i].load(std::memory_order_relaxed);
      if (path[i] == '\0')
        break;
    }
    std::atomic_thread_fence(std::memory_order_acquire);
    if (slot.version.load(std::memory_order_relaxed) != version || path[0] == '\0')
      continue;
    unlink(path.data());
  }
}

}  // namespace zelto::files
