// The export of the checksum library and the memory it works with.
#include "quillet/quillet.h"

#include <new>
#include <string>

#include "os/private_heap.h"
#include "quillet/checksum.h"
#include "quillet/library_state.h"

namespace vantrel::quillet {

namespace {

struct LibraryState {
  void* module = nullptr;
  os::PrivateHeap heap;  // read buffers, one per call
  std::string result;    // the last answer; the caller copies it
};

LibraryState* state = nullptr;

}  // namespace

bool attachLibrary(void* module) {
  if (state == nullptr) state = new (std::nothrow) LibraryState;
  if (state == nullptr) return false;
  state->module = module;
  return state->heap.ok();
}

void detachLibrary() {
  delete state;
  state = nullptr;
}

}  // namespace vantrel::quillet

extern "C" const char* QUILLET_CALL quillet(const char* path) {
  using vantrel::quillet::state;
  static const char kNothing[] = "";
  if (state == nullptr) return kNothing;
  try {
    state->result = vantrel::quillet::fileChecksum(path == nullptr ? std::string() : std::string(path), state->heap);
  } catch (...) {
    // No memory for the texts: nothing may escape to the caller.
    return kNothing;
  }
  return state->result.c_str();
}
