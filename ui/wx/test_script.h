#pragma once
// Test support inside the program: when the environment variable
// TABULON_TEST_SCRIPT names a file, the main window plays its steps one by
// one after it has opened, and writes what happened to the file named by
// TABULON_TEST_LOG. Choosers and message boxes then take their answers from
// the script and are logged instead of being shown. One step per line:
//
//   key [ctrl+][alt+]F1..F12|PageUp|PageDown|Escape|LETTER   a key press, as the window gets it
//   set NAME VALUE       a control of the table: text, or a number (groups: "3/1")
//   click NAME           a button of the table ("NAME.add" for its Add button,
//                        "build", "exit", "help" for the buttons below the pages)
//   page N               shows page N
//   drop PATH            drops PATH on the Folders, Files page
//   answer_file PATH     the next chooser returns PATH ("-" cancels)
//   answer_yes, answer_no, answer_button N
//   dump PATH            writes every control's value, the title, page and font
//   mark PATH            writes an empty file (screenshots wait for it)
//   wait MS              lets the window run for MS milliseconds
//   exit                 closes the window as "E&xit" does
// Lines starting with "#" and empty lines are skipped.

#include <string>

namespace tabulon {

class main_frame;
struct scripted_answers;

// True when a test script drives the window.
bool test_script_requested();
// Reads the script and starts playing it on `frame` (from the event loop).
void start_test_script(main_frame* frame, scripted_answers& answers);
// Appends a line to the test log.
void test_log(const std::wstring& line);

}  // namespace tabulon
