// The tabulon executable: hands the command line to the application object,
// with the window when the program is built with it: from its own module
// where the system loads one, or linked in.
#include "app/application.h"

#if defined(TABULON_WINDOW_MODULE)
#include "app/window_module.h"
#elif defined(TABULON_HAVE_WINDOW)
#include "ui/wx/window_entry.h"
#endif

int main(int argc, char** argv) {
#if defined(TABULON_WINDOW_MODULE)
  return tabulon::run_main(argc, argv, &tabulon::run_window_module);
#elif defined(TABULON_HAVE_WINDOW)
  return tabulon::run_main(argc, argv, &tabulon::run_window);
#else
  return tabulon::run_main(argc, argv);
#endif
}
