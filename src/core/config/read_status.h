#pragma once

namespace vantrel {

// Result of the INI readers and of the two writers that check the file first.
enum ReadStatus : int {
  kReadComplete = 0,       // read (or written) completely, all required values present
  kReadValueMissing = 1,   // read to the end, but a required value is empty
  kReadVersionTooOld = 2,  // [SELF] version below the file's minimum; nothing else read
  kReadFileMissing = 3,    // no such file (a directory counts as missing), or the download failed
};

}  // namespace vantrel
