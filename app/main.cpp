// The tabulon executable: hands the command tail to the application object.
#include "app/application.h"

int main(int argc, char** argv) {
  return tabulon::run_main(argc, argv);
}
