#include "app/application.h"

#include <cstdio>
#include <cstring>

namespace tabulon {

int run_main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("tabulon %s\n", TABULON_VERSION);
    return 0;
  }
  std::fprintf(stderr, "tabulon: not built yet\n");
  return 1;
}

}  // namespace tabulon
