// Load and unload hooks of libquillet.so.
#include <dlfcn.h>

#include "quillet/library_state.h"

namespace {

__attribute__((constructor)) void onLoad() {
  Dl_info info{};
  void* module = ::dladdr(reinterpret_cast<void*>(&onLoad), &info) != 0 ? info.dli_fbase : nullptr;
  vantrel::quillet::attachLibrary(module);
}

__attribute__((destructor)) void onUnload() { vantrel::quillet::detachLibrary(); }

}  // namespace
