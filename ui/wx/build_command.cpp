#include "ui/wx/build_command.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <atomic>
#include <memory>
#include <thread>

#include "ui/build_runner.h"
#include "ui/wx/feedback_dialog.h"
#include "ui/wx/file_created_dialog.h"
#include "ui/wx/wx_prompts.h"

namespace tabulon {

namespace {

class wx_runner_host : public build_runner_host {
 public:
  explicit wx_runner_host(build_command_context& context) : context_(context) {}

  void show_message(std::wstring_view text, std::wstring_view caption) override {
    this_prompts()->message(text, caption);
  }

  bool copy_pages_into_settings() override {
    return !context_.copy_pages_into_settings || context_.copy_pages_into_settings();
  }

  void run_with_progress(const std::function<void()>& build, progress_relay& relay) override {
    wxBeginBusyCursor();
    auto* dialog =
        new feedback_dialog(context_.main_window, *context_.texts, context_.interface_font, relay);
    // Only the main window is disabled: the progress dialog's Cancel stays live.
    if (context_.main_window) context_.main_window->Disable();
    dialog->Show();

    // The build runs on its own thread; this thread keeps serving the window
    // (the dialog's timer, Cancel, repaints) in a nested loop that the end
    // of the build leaves.
    wxGUIEventLoop loop;
    // The loop to leave, cleared before `loop` goes away, so that an exit
    // request still queued then finds nothing to end.
    auto to_leave = std::make_shared<wxGUIEventLoop*>(&loop);
    std::atomic<bool> done{false};
    std::thread worker([&build, &done, to_leave] {
      try {
        build();
      } catch (...) {
        // A build that throws wrote what it wrote; the runner judges the result.
      }
      done.store(true);
      wxTheApp->CallAfter([to_leave] {
        if (*to_leave && (*to_leave)->IsRunning()) (*to_leave)->Exit();
      });
    });
    context_.build_running = true;
    while (!done.load()) loop.Run();
    worker.join();
    context_.build_running = false;
    *to_leave = nullptr;

    dialog->refresh();
    dialog->finish();
    if (context_.main_window) context_.main_window->Enable();
    dialog->Destroy();
    wxEndBusyCursor();
  }

  bool show_results(const std::wstring& result_path, size_t pages_written,
                    bool /*one_file_per_folder*/) override {
    if (context_.scripted_results) {
      return play_results_choice(*context_.settings, *context_.texts, *this_prompts(),
                                 *context_.scripted_results, result_path, pages_written,
                                 context_.launched);
    }
    file_created_dialog dialog(context_.main_window, *context_.settings, *context_.texts,
                               context_.interface_font, result_path, pages_written,
                               context_.launched, context_.ui);
    dialog.ShowModal();
    return dialog.delete_request();
  }

 private:
  // The command's messages: the context's, or message boxes over the main window.
  prompts* this_prompts() { return context_.ui ? context_.ui : &boxes_; }

  build_command_context& context_;
  message_box_prompts boxes_{context_.main_window};
};

}  // namespace

void run_build_command(build_command_context& context) {
  if (!context.settings || !context.texts) return;
  const std::wstring folder = context.folder_text ? context.folder_text() : context.settings->path;
  wx_runner_host host(context);
  const runner_report report =
      run_interactive_build(*context.settings, folder, *context.texts, host);
  // Only now are the settings the build switched put back, so the pages show
  // (and later save) the values from before the build.
  const bool built = report.outcome != runner_outcome::folder_not_accessible &&
                     report.outcome != runner_outcome::pages_not_copied &&
                     report.outcome != runner_outcome::frameset_missing;
  if (built && context.after_build) context.after_build();
}

}  // namespace tabulon
