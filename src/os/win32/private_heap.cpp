#include "os/private_heap.h"

#include <windows.h>

namespace vantrel::os {

struct PrivateHeap::State {
  HANDLE heap = nullptr;
};

// A growable heap of its own; destroying it frees every block at once.
PrivateHeap::PrivateHeap() : state_(std::make_unique<State>()) { state_->heap = HeapCreate(0, 0, 0); }

PrivateHeap::~PrivateHeap() {
  if (state_->heap != nullptr) HeapDestroy(state_->heap);
}

bool PrivateHeap::ok() const { return state_->heap != nullptr; }

void* PrivateHeap::take(std::size_t size) {
  if (state_->heap == nullptr) return nullptr;
  return HeapAlloc(state_->heap, 0, size);
}

void PrivateHeap::give(void* block) {
  if (state_->heap != nullptr && block != nullptr) HeapFree(state_->heap, 0, block);
}

}  // namespace vantrel::os
