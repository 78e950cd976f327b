// The checksum library's working memory, prepared when the library is
// loaded and given back when it is unloaded. The library's entry points call
// these two; nothing else does.
#pragma once

namespace vantrel::quillet {

// Records the module and prepares the private heap for read buffers and the
// result buffer. False when the memory cannot be had (calls then answer "").
bool attachLibrary(void* module);
// Destroys the private heap and the result buffer.
void detachLibrary();

}  // namespace vantrel::quillet
