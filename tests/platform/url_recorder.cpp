// Stands in for the web browser in the test prefix: appends the address it was asked to open,
// and a line break, to the file that QUENDREL_URL_LOG names.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const char* log = std::getenv("QUENDREL_URL_LOG");
  if (!log || argc < 2) return 1;
  std::FILE* file = std::fopen(log, "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\n", argv[1]);
  return std::fclose(file) == 0 ? 0 : 1;
}
