#include "os/private_heap.h"

#include <sys/mman.h>

#include <algorithm>
#include <vector>

namespace vantrel::os {

// Each block is its own anonymous mapping, so the memory is the heap's alone
// and goes back to the system as soon as it is returned.
struct PrivateHeap::State {
  struct Block {
    void* address;
    std::size_t size;
  };
  std::vector<Block> blocks;
};

PrivateHeap::PrivateHeap() : state_(std::make_unique<State>()) {}

PrivateHeap::~PrivateHeap() {
  for (const State::Block& b : state_->blocks) ::munmap(b.address, b.size);
}

bool PrivateHeap::ok() const { return true; }

void* PrivateHeap::take(std::size_t size) {
  if (size == 0) size = 1;
  void* address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (address == MAP_FAILED) return nullptr;
  state_->blocks.push_back({address, size});
  return address;
}

void PrivateHeap::give(void* block) {
  if (block == nullptr) return;
  auto& blocks = state_->blocks;
  auto it = std::find_if(blocks.begin(), blocks.end(), [block](const State::Block& b) { return b.address == block; });
  if (it == blocks.end()) return;
  ::munmap(it->address, it->size);
  blocks.erase(it);
}

}  // namespace vantrel::os
