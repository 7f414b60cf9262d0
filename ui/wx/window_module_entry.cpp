// The entry point of the window module (app/window_module.h): the one name
// the module shows to the program that loads it.
#include "app/window_module.h"
#include "ui/wx/window_entry.h"

extern "C" __attribute__((visibility("default"))) int tabulon_run_window(
    tabulon::application* app) {
  return tabulon::run_window(*app);
}
