// Compares an interactive build (the Build command's runner with its
// progress relay on, the build on a worker thread and a 250 ms refresh of
// the progress texts on the calling thread, as the progress dialog does it)
// with batch builds of the same configuration.
//
//   bench_interactive [FOLDER] [FILES] [FOLDERS] [ROUNDS]
//
// FOLDER (default /tmp/tabulon_bench_interactive) receives a tree of FILES
// files (default 1,000,000) spread over FOLDERS folders (default 10,000); it
// is reused when it already holds them. For each mode (all links in one
// file, one file per folder) three runs take turns ROUNDS times (default 3)
// and the best of each counts:
//   batch program   the built `tabulon CONFIG.init` (process start included)
//   batch in place  the batch path in this process (no progress record)
//   interactive     the runner with the relay and the refresh thread
// The ratio interactive / batch in place is the cost of the progress display.
// The tree is left in place; remove it with `rm -rf FOLDER`.
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "app/application.h"
#include "app/config_file.h"
#include "app/run_configured_build.h"
#include "base/wide_string.h"
#include "platform/program_folder.h"
#include "ui/build_runner.h"

namespace fs = std::filesystem;
using clock_type = std::chrono::steady_clock;

namespace {

double seconds_since(clock_type::time_point start) {
  return std::chrono::duration<double>(clock_type::now() - start).count();
}

// Processor time (user and system) of this process so far, all threads.
double process_cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A run's wall-clock and processor time.
struct timing {
  double wall = 1e9;
  double cpu = 1e9;
  void keep_best(const timing& t) {
    wall = std::min(wall, t.wall);
    cpu = std::min(cpu, t.cpu);
  }
};

void make_tree(const fs::path& root, long files, long folders) {
  const fs::path marker = root / ".tree_made";
  if (fs::exists(marker)) return;
  fs::remove_all(root);
  fs::create_directories(root);
  const long per_folder = std::max(1L, files / folders);
  long written = 0;
  for (long f = 0; f < folders && written < files; ++f) {
    // Two levels, so the branch has depth as real trees do.
    const fs::path dir = root / ("g" + std::to_string(f / 100)) / ("d" + std::to_string(f));
    fs::create_directories(dir);
    for (long i = 0; i < per_folder && written < files; ++i, ++written) {
      std::ofstream(dir / ("file_" + std::to_string(i) + (i % 3 ? ".txt" : ".doc"))) << "x";
    }
  }
  std::ofstream(marker) << written;
  std::printf("made %ld files in %ld folders under %s\n", written, folders, root.c_str());
}

void remove_pages(const fs::path& root) {
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it)
    if (it->path().filename() == "bench_index.html") fs::remove(it->path());
}

fs::path write_config(const fs::path& folder, const fs::path& root, bool per_folder) {
  const fs::path config = folder / (per_folder ? "per_folder.init" : "all_in_one.init");
  std::ofstream out(config);
  out << "[TABULON]\n"
      << "path=" << root.string() << "\n"
      << "file_spec=*.*\n"
      << "output_filename=bench_index.html\n"
      << "recursive_build=TRUE\n"
      << "recursive_build_single_file=" << (per_folder ? "TRUE" : "FALSE") << "\n"
      << "include_filesize=TRUE\ninclude_date=TRUE\ninclude_summary=TRUE\n";
  return config;
}

timing run_program(const fs::path& program, const fs::path& config) {
  const auto start = clock_type::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(program.c_str(), program.c_str(), config.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                     usage.ru_stime.tv_usec / 1e6;
  return {seconds_since(start), cpu};
}

tabulon::build_settings settings_of(const fs::path& config, const std::wstring& program_folder) {
  tabulon::build_settings s;
  tabulon::ini_store store;
  s.program_folder = program_folder;
  tabulon::read_configuration(s, store, tabulon::from_native(config.string()),
                              {program_folder, tabulon::from_native(fs::current_path().string())});
  s.custom_html_filename = tabulon::complete_script_name(s.custom_html_filename, program_folder);
  return s;
}

timing run_batch_in_place(const fs::path& config, const std::wstring& program_folder,
                          size_t& pages) {
  tabulon::build_settings s = settings_of(config, program_folder);
  s.unattended = 1;
  const auto start = clock_type::now();
  const double cpu_start = process_cpu_seconds();
  pages = tabulon::run_configured_build(s, nullptr).pages_written();
  return {seconds_since(start), process_cpu_seconds() - cpu_start};
}

// The window's part played without a window: the build on a worker thread,
// this thread refreshing the progress texts every 250 ms.
class bench_host : public tabulon::build_runner_host {
 public:
  size_t refreshes = 0;
  size_t pages = 0;
  std::wstring last_file_text;
  void show_message(std::wstring_view, std::wstring_view) override {}
  bool copy_pages_into_settings() override { return true; }
  void run_with_progress(const std::function<void()>& build,
                         tabulon::progress_relay& relay) override {
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    std::thread worker([&] {
      build();
      std::lock_guard<std::mutex> lock(m);
      done = true;
      cv.notify_one();
    });
    std::unique_lock<std::mutex> lock(m);
    while (!cv.wait_for(lock, std::chrono::milliseconds(250), [&] { return done; })) {
      const tabulon::progress_display shown =
          tabulon::progress_display_of(relay.take_snapshot(), texts_);
      last_file_text = shown.file_text;
      ++refreshes;
    }
    lock.unlock();
    worker.join();
  }
  bool show_results(const std::wstring&, size_t count, bool) override {
    pages = count;
    return false;
  }

 private:
  tabulon::interface_text_table texts_;
};

timing run_interactive(const fs::path& config, const std::wstring& program_folder, size_t& pages,
                       size_t& refreshes) {
  tabulon::build_settings s = settings_of(config, program_folder);
  tabulon::interface_text_table texts;
  bench_host host;
  const auto start = clock_type::now();
  const double cpu_start = process_cpu_seconds();
  tabulon::run_interactive_build(s, s.path, texts, host);
  const timing t{seconds_since(start), process_cpu_seconds() - cpu_start};
  pages = host.pages;
  refreshes = host.refreshes;
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path("/tmp/tabulon_bench_interactive");
  const long files = argc > 2 ? std::atol(argv[2]) : 1000000;
  const long folders = argc > 3 ? std::atol(argv[3]) : 10000;
  const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;

  const fs::path self = fs::canonical("/proc/self/exe");
  const fs::path program = self.parent_path().parent_path() / "tabulon";
  const std::wstring program_folder = tabulon::from_native(program.parent_path().string()) + L"/";
  const fs::path root = folder / "tree";
  fs::create_directories(folder);
  make_tree(root, files, folders);

  for (const bool per_folder : {false, true}) {
    const fs::path config = write_config(folder, root, per_folder);
    timing program_best, batch_best, interactive_best;
    size_t batch_pages = 0, interactive_pages = 0, refreshes = 0;
    const bool have_program = fs::exists(program);
    for (int r = 0; r < rounds; ++r) {
      remove_pages(root);
      if (have_program) program_best.keep_best(run_program(program, config));
      remove_pages(root);
      batch_best.keep_best(run_batch_in_place(config, program_folder, batch_pages));
      remove_pages(root);
      interactive_best.keep_best(
          run_interactive(config, program_folder, interactive_pages, refreshes));
    }
    remove_pages(root);
    std::printf("%s (%ld files, %ld folders), best of %d, wall / processor seconds:\n",
                per_folder ? "one file per folder" : "all links in one file", files, folders,
                rounds);
    if (have_program)
      std::printf("  batch program  %8.3f  %8.3f\n", program_best.wall, program_best.cpu);
    std::printf("  batch in place %8.3f  %8.3f  (%zu pages)\n", batch_best.wall, batch_best.cpu,
                batch_pages);
    std::printf("  interactive    %8.3f  %8.3f  (%zu pages, %zu refreshes)\n",
                interactive_best.wall, interactive_best.cpu, interactive_pages, refreshes);
    std::printf("  interactive / batch in place: wall %.3f, processor %.3f\n",
                interactive_best.wall / batch_best.wall, interactive_best.cpu / batch_best.cpu);
    if (have_program)
      std::printf("  interactive / batch program:  wall %.3f, processor %.3f\n",
                  interactive_best.wall / program_best.wall,
                  interactive_best.cpu / program_best.cpu);
    std::fflush(stdout);
  }
  return 0;
}
