// The tabulon executable: hands the command line to the application object,
// with the window when the program is built with it.
#include "app/application.h"

#ifdef TABULON_HAVE_WINDOW
#include "ui/wx/window_entry.h"
#endif

int main(int argc, char** argv) {
#ifdef TABULON_HAVE_WINDOW
  return tabulon::run_main(argc, argv, &tabulon::run_window);
#else
  return tabulon::run_main(argc, argv);
#endif
}
