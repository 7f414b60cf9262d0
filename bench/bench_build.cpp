// Times whole builds on a generated tree of 200,000 files in 10,000 folders
// and compares them with the cost of merely listing the tree.
//
//   bench_build [FOLDER] [FILES] [FOLDERS] [ROUNDS] [FLAT]
//
// FOLDER (default: a new folder under /tmp) receives the tree; it is reused
// when it already holds one. Every program runs ROUNDS times (default 5), the
// programs taking turns, on the warm tree, and the best run of each counts, so
// that a busy moment of the machine does not decide a ratio:
//   floor        find DIR -type f -printf '%s %T@ %p\n' > /dev/null
//   all-in-one   tabulon, one page with sizes and dates for the whole tree
//   per-folder   tabulon, one page in every folder
//   rebuild      tabulon, the same per-folder build again over the unchanged
//                tree (every page is already as it should be)
//   one, serial  the all-in-one build with the folder reader off
//                (TABULON_READ_AHEAD=0), so the reader's gain shows
//   tree         tree -H . -s -D -o OUT DIR (skipped when tree is missing)
// and, on a single folder of FLAT files (default 1,000,000; 0 leaves it out):
//   flat floor   find over that folder, as above
//   flat one     tabulon, the all-in-one page of that folder
// The pages use the bundled blue_white_border script less its build date, so
// that the rebuild finds every page as it should be.
// Each time is printed with its ratio to the floor, as wall-clock time and as
// processor time (user and system; steadier on a busy machine), and the runs
// with their peak memory (resident set size) in total and per file.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct run_result {
  double seconds = 0;
  double cpu_seconds = 0;  // user and system time of the child
  long peak_kb = 0;
  int status = -1;
};

run_result run(const std::vector<std::string>& args, const std::string& out_file = "/dev/null",
               bool serial = false) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (serial) setenv("TABULON_READ_AHEAD", "0", 1);
    const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) dup2(out, 1);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run_result r;
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.peak_kb = usage.ru_maxrss;
  r.cpu_seconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                  usage.ru_stime.tv_usec / 1e6;
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

void make_tree(const fs::path& root, int files, int folders) {
  // Ten top folders, each with subfolders two levels deep, names of mixed length.
  std::vector<fs::path> dirs;
  for (int d = 0; d < folders; ++d) {
    fs::path p = root / ("top" + std::to_string(d % 10));
    if (d >= 10) p /= "group " + std::to_string((d / 10) % 100);
    if (d >= 1000) p /= "leaf_" + std::to_string(d);
    dirs.push_back(p);
  }
  for (const fs::path& p : dirs) fs::create_directories(p);
  const char* kinds[] = {".txt", ".jpg", ".pdf", ".html", ".tar.gz", ".mp3"};
  for (int i = 0; i < files; ++i) {
    const fs::path file =
        dirs[i % dirs.size()] / ("file " + std::to_string(i) + "-report" + kinds[i % 6]);
    std::ofstream(file) << std::string(static_cast<size_t>(i % 3000), 'x');
  }
}

// One folder of `files` empty files.
void make_flat(const fs::path& folder, int files) {
  fs::create_directories(folder);
  for (int i = 0; i < files; ++i) {
    const std::string name = (folder / ("entry " + std::to_string(i) + ".dat")).string();
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) close(fd);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] == '-') {
    std::printf("usage: bench_build [FOLDER] [FILES] [FOLDERS] [ROUNDS] [FLAT]\n");
    return argv[1] == std::string("--help") ? 0 : 2;
  }
  const int files = argc > 2 ? std::atoi(argv[2]) : 200000;
  const int folders = argc > 3 ? std::atoi(argv[3]) : 10000;
  const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 5;
  const int flat_files = argc > 5 ? std::atoi(argv[5]) : 1000000;
  const fs::path work =
      argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "tabulon-bench-build";
  const fs::path tree = work / "tree";
  const fs::path program = fs::canonical("/proc/self/exe").parent_path().parent_path() / "tabulon";
  if (!fs::exists(program)) {
    std::fprintf(stderr, "bench_build: %s not found\n", program.c_str());
    return 1;
  }
  if (!fs::exists(tree / "top0")) {
    std::printf("generating %d files in %d folders under %s ...\n", files, folders, tree.c_str());
    fs::remove_all(tree);
    make_tree(tree, files, folders);
  }
  const fs::path flat = work / "flat";
  if (flat_files > 0 && !fs::exists(flat / "entry 0.dat")) {
    std::printf("generating %d files in one folder under %s ...\n", flat_files, flat.c_str());
    fs::remove_all(flat);
    make_flat(flat, flat_files);
  }
  // Pages between runs are moved out of the tree rather than deleted: ext4
  // does not reuse an inode freed in the last minute while the folder's
  // group has others, and skipping thousands of them would make a build that
  // follows a mass delete slower than a first build over a tree that never
  // had pages. The "after rm" row measures that case on its own, last. The
  // pages moved aside are deleted when everything is measured.
  const fs::path aside = work / "pages set aside";
  fs::create_directories(aside);
  int pages_aside = 0;
  auto set_pages_aside = [&] {
    std::vector<fs::path> pages;
    for (const auto& e : fs::recursive_directory_iterator(tree))
      if (e.path().filename() == "index.html") pages.push_back(e.path());
    for (const fs::path& page : pages)
      fs::rename(page, aside / (std::to_string(pages_aside++) + ".html"));
  };
  set_pages_aside();  // pages of an earlier run would be listed as files

  // The bundled script less its "written at" date, so that a rebuild a
  // minute later finds every page as it should be (a page showing the time
  // of its build is rightly rewritten when that time changes).
  const fs::path script = work / "steady_script.txt";
  {
    std::ifstream in(program.parent_path() / "Scripts" / "blue_white_border.txt");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t at; (at = text.find("%%DATE ")) != std::string::npos;) text.erase(at, 7);
    std::ofstream(script) << text;
  }

  const std::string find_format = "%s %T@ %p\n";
  run({"find", tree.string(), "-type", "f", "-printf", find_format});  // warm the caches

  auto config = [&](const std::string& name, const std::string& lines) {
    const fs::path path = work / name;
    std::ofstream(path) << "[TABULON]\npath=" << tree.string()
                        << "\ncustom_html_filename=" << script.string()
                        << "\n"
                           "charset=UTF_8\nskip_files=index.html\ninclude_filesize=TRUE\n"
                           "include_date=TRUE\nfile_columns2=1\nfolder_columns2=4\n"
                        << lines;
    return path.string();
  };
  const std::string all_in_one =
      config("all_in_one.init", "recursive_build=TRUE\nrecursive_build_single_file=FALSE\n");
  const std::string flat_one = [&] {
    const fs::path path = work / "flat.init";
    std::ofstream(path) << "[TABULON]\npath=" << flat.string()
                        << "\ncustom_html_filename=" << script.string()
                        << "\n"
                           "charset=UTF_8\nskip_files=index.html\ninclude_filesize=TRUE\n"
                           "include_date=TRUE\nfile_columns2=1\nfolder_columns2=4\n"
                           "recursive_build=TRUE\nrecursive_build_single_file=FALSE\n";
    return path.string();
  }();
  const std::string per_folder = config("per_folder.init",
                                        "recursive_build=TRUE\nrecursive_build_single_file=TRUE\n"
                                        "include_subfolders=TRUE\n");
  const bool have_tree = fs::exists("/usr/bin/tree");

  // The best of several runs: the fastest time, the largest peak memory, and
  // a failure if any run failed.
  auto keep_best = [](run_result& best, const run_result& r, bool first) {
    if (first) {
      best = r;
      return;
    }
    best.seconds = std::min(best.seconds, r.seconds);
    best.cpu_seconds = std::min(best.cpu_seconds, r.cpu_seconds);
    best.peak_kb = std::max(best.peak_kb, r.peak_kb);
    if (r.status != 0) best.status = r.status;
  };
  run_result floor, one, each, again, serial, tree_run, flat_floor, flat_run;
  uintmax_t one_size = 0;
  for (int round = 0; round < rounds; ++round) {
    const bool first = round == 0;
    keep_best(floor, run({"find", tree.string(), "-type", "f", "-printf", find_format}), first);
    keep_best(one, run({program.string(), all_in_one}), first);
    one_size = fs::exists(tree / "index.html") ? fs::file_size(tree / "index.html") : 0;
    fs::remove(tree / "index.html");
    keep_best(serial, run({program.string(), all_in_one}, "/dev/null", true), first);
    fs::remove(tree / "index.html");
    keep_best(each, run({program.string(), per_folder}), first);
    keep_best(again, run({program.string(), per_folder}), first);
    set_pages_aside();
    if (have_tree)
      keep_best(
          tree_run,
          run({"tree", "-H", ".", "-s", "-D", "-o", (work / "tree.html").string(), tree.string()}),
          first);
    if (flat_files > 0) {
      keep_best(flat_floor, run({"find", flat.string(), "-type", "f", "-printf", find_format}),
                first);
      keep_best(flat_run, run({program.string(), flat_one}), first);
      fs::remove(flat / "index.html");
    }
  }
  // A first build right after the pages of the last one were deleted (the
  // first run only makes pages to delete).
  run_result after_rm;
  for (int round = 0; round <= rounds; ++round) {
    const run_result r = run({program.string(), per_folder});
    if (round > 0) keep_best(after_rm, r, round == 1);
    for (const auto& e : fs::recursive_directory_iterator(tree))
      if (e.path().filename() == "index.html") fs::remove(e.path());
  }
  fs::remove_all(aside);
  std::printf("best of %d runs each\n", rounds);

  std::printf("%-12s %9s %9s %9s %9s %12s %10s\n", "run", "seconds", "x floor", "cpu s", "x floor",
              "peak MB", "B/file");
  auto line = [&](const char* name, const run_result& r, bool memory,
                  const run_result* base = nullptr, int count = 0) {
    if (!base) base = &floor;
    if (!count) count = files;
    std::printf("%-12s %9.3f %9.2f %9.3f %9.2f", name, r.seconds, r.seconds / base->seconds,
                r.cpu_seconds, r.cpu_seconds / base->cpu_seconds);
    if (memory) std::printf(" %12.1f %10.0f", r.peak_kb / 1024.0, r.peak_kb * 1024.0 / count);
    std::printf("%s\n", r.status == 0 ? "" : "   (failed)");
  };
  line("floor", floor, false);
  line("all-in-one", one, true);
  line("per-folder", each, true);
  line("rebuild", again, true);
  line("after rm", after_rm, true);
  line("one, serial", serial, true);
  if (have_tree)
    line("tree", tree_run, true);
  else
    std::printf("tree         skipped (install the Debian package tree)\n");
  if (flat_files > 0) {
    std::printf("one folder of %d files (ratios to find over that folder):\n", flat_files);
    line("flat floor", flat_floor, false, &flat_floor, flat_files);
    line("flat one", flat_run, true, &flat_floor, flat_files);
  }
  std::printf("all-in-one page: %.1f MB\n", one_size / 1048576.0);
  std::printf(
      "targets: all-in-one <= 1.0x floor and <= 700 B/file, per-folder <= 1.6x floor,\n"
      "         rebuild <= 1.2x floor, flat one <= 1.5x flat floor\n");
  return 0;
}
