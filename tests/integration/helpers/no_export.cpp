// A library with the checksum library's file name but without its export.
extern "C" int notAChecksum();
extern "C" int notAChecksum() { return 0; }
