// Working memory of its own, apart from the process's main heap: a private
// heap on Windows, separately mapped pages on POSIX. Not thread-safe.
#pragma once

#include <cstddef>
#include <memory>

namespace vantrel::os {

class PrivateHeap {
 public:
  PrivateHeap();
  // Destroys the heap, with every block still taken from it.
  ~PrivateHeap();
  PrivateHeap(const PrivateHeap&) = delete;
  PrivateHeap& operator=(const PrivateHeap&) = delete;

  bool ok() const;
  // A block of `size` bytes, or nullptr when the memory cannot be had.
  void* take(std::size_t size);
  // Returns a block that take() handed out; nullptr is ignored.
  void give(void* block);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vantrel::os
