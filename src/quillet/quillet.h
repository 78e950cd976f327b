// The one export of the checksum library (quillet.dll, libquillet.so).
//
//   const char* quillet(const char* path)
//
// Takes a zero-terminated Windows-1252 path and returns the address of a
// zero-terminated text in the library's own result buffer:
//   32 upper-case hexadecimal digits  the MD5 digest of the file's content;
//   "FEHLER"                          the path names no file with content;
//   ""                                the file has content but cannot be read.
// The caller copies the text before it calls again or unloads the library.
// Not reentrant: one call at a time.
#pragma once

// A 32-bit __stdcall contract on Windows (the callee removes the argument);
// the plain C convention elsewhere.
#if defined(_WIN32)
#define QUILLET_CALL __stdcall
#else
#define QUILLET_CALL
#endif

extern "C" const char* QUILLET_CALL quillet(const char* path);

// The export's type, for callers that look it up at run time.
using QuilletFunction = const char*(QUILLET_CALL*)(const char* path);
