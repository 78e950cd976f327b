// Test helper: writes each argument it received, one per line in brackets,
// to record_args.txt in its working directory.
#include <cstdio>

int main(int argc, char** argv) {
  std::FILE* out = std::fopen("record_args.txt", "wb");
  if (out == nullptr) return 1;
  for (int i = 1; i < argc; ++i) std::fprintf(out, "[%s]\n", argv[i]);
  std::fclose(out);
  return 0;
}
