// Times the folder scan and sort of a whole branch against the floor of
// `find` listing the same tree with sizes and times, and the sort of a
// million entries where the keys cannot tell them apart.
//
//   bench_scan_sort [FOLDER]
//
// Without FOLDER a tree of 200,000 files in 10,000 folders is made in a
// temporary folder and removed afterwards. A FOLDER that does not exist yet
// gets that tree and is kept; an existing FOLDER is scanned as it is.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/build_settings.h"
#include "base/wide_string.h"
#include "engine/column_arrange.h"
#include "engine/pattern_list.h"
#include "engine/scan.h"
#include "engine/sort.h"

namespace fs = std::filesystem;
using namespace tabulon;

namespace {

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// CPU seconds (user and system) of this process, or of its finished children.
double cpu_seconds(int who) {
  struct rusage usage {};
  getrusage(who, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peak_kib() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// 100 folders below the top, 99 below each of them: 10,000 folders, 20 files in each.
void make_tree(const fs::path& root) {
  std::mt19937 random(12345);
  const std::string filler(4096, 'x');
  auto fill = [&](const fs::path& folder) {
    fs::create_directories(folder);
    for (int f = 0; f < 20; ++f) {
      char name[64];
      std::snprintf(name, sizeof name, "file_%02d_%u.%s", f, unsigned(random() % 100000),
                    (f % 3 == 0) ? "txt" : (f % 3 == 1 ? "jpg" : "html"));
      std::ofstream out(folder / name, std::ios::binary);
      out.write(filler.data(), static_cast<std::streamsize>(random() % filler.size()));
    }
  };
  for (int a = 0; a < 100; ++a) {
    const fs::path top = root / ("dir_" + std::to_string(a));
    fill(top);
    for (int b = 0; b < 99; ++b) fill(top / ("sub_" + std::to_string(b)));
  }
}

size_t scan_and_sort(const std::wstring& root) {
  build_settings settings;
  scan_context context;
  context.settings = &settings;
  context.all_in_one = true;
  context.root_folder = root;
  rebuild_pattern_lists(context);
  entry_list list;
  int32_t depth = 0;
  scan_folder(context, root, settings.file_spec, depth, list);
  sort_entries(list, sort_by_name, false, true);
  arrange_file_table(list, settings.file_columns2, true);
  return list.size();
}

entry_list million_entries(bool equal_sizes) {
  entry_list list;
  std::mt19937 random(7);
  std::vector<entry_folder_ref> folders;
  for (int i = 0; i < 1000; ++i)
    folders.push_back(make_entry_folder(L"/f" + std::to_wstring(i) + L"/"));
  for (int i = 0; i < 1000000; ++i) {
    auto entry = make_file_entry(L"name_" + std::to_wstring(random()), folders[i % 1000]);
    entry->size = equal_sizes ? 4096 : static_cast<int64_t>(random());
    list.push_back(std::move(entry));
  }
  return list;
}

struct timing {
  double wall = 0;
  double cpu = 0;
};

timing time_sort(int32_t kind, bool group) {
  entry_list list = million_entries(true);
  const auto start = std::chrono::steady_clock::now();
  const double cpu_start = cpu_seconds(RUSAGE_SELF);
  sort_entries(list, kind, false, group);
  return {seconds_since(start), cpu_seconds(RUSAGE_SELF) - cpu_start};
}

void print_sort(const char* label, timing t) {
  std::printf("%-34s %.3f s wall, %.3f s CPU (target < 1 s)\n", label, t.wall, t.cpu);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path root;
  bool remove_afterwards = false;
  if (argc > 1) {
    root = fs::absolute(argv[1]);
    if (!fs::exists(root)) {
      std::printf("making the tree in %s ...\n", root.c_str());
      make_tree(root);
    }
  } else {
    root = fs::temp_directory_path() / ("tabulon-bench-" + std::to_string(std::random_device{}()));
    std::printf("making the tree in %s ...\n", root.c_str());
    make_tree(root);
    remove_afterwards = true;
  }
  const std::wstring wide_root = from_native(root.native());
  const std::string find_command =
      "find '" + root.string() + "' -type f -printf '%s %T@ %p\\n' > /dev/null";

  // Warm the tree once, then take the best of several runs of each.
  if (std::system(find_command.c_str()) != 0) std::printf("find failed\n");
  scan_and_sort(wide_root);
  // Wall time suffers when other work shares the machine; CPU time (user and
  // system, of find and of the scan) shows the cost of the work itself.
  double best_find = 1e9, best_find_cpu = 1e9;
  double best_scan = 1e9, best_scan_cpu = 1e9;
  size_t entries = 0;
  for (int run = 0; run < 5; ++run) {
    auto start = std::chrono::steady_clock::now();
    double cpu_start = cpu_seconds(RUSAGE_CHILDREN);
    if (std::system(find_command.c_str()) != 0) std::printf("find failed\n");
    best_find = std::min(best_find, seconds_since(start));
    best_find_cpu = std::min(best_find_cpu, cpu_seconds(RUSAGE_CHILDREN) - cpu_start);
    start = std::chrono::steady_clock::now();
    cpu_start = cpu_seconds(RUSAGE_SELF);
    entries = scan_and_sort(wide_root);
    best_scan = std::min(best_scan, seconds_since(start));
    best_scan_cpu = std::min(best_scan_cpu, cpu_seconds(RUSAGE_SELF) - cpu_start);
  }
  std::printf("entries listed:                    %zu\n", entries);
  std::printf("find (floor):                      %.3f s wall, %.3f s CPU\n", best_find,
              best_find_cpu);
  std::printf("scan + sort + arrange:             %.3f s wall, %.3f s CPU\n", best_scan,
              best_scan_cpu);
  std::printf("ratio to the floor:                %.2f wall, %.2f CPU (target <= 1.30)\n",
              best_scan / best_find, best_scan_cpu / best_find_cpu);
  std::printf("peak memory after the scan:        %ld KiB\n", peak_kib());

  print_sort("sort 1,000,000 unsorted:", time_sort(sort_unsorted, false));
  print_sort("sort 1,000,000 unsorted, grouped:", time_sort(sort_unsorted, true));
  print_sort("sort 1,000,000 by size, all equal:", time_sort(sort_by_size, false));
  std::printf("peak memory at the end:            %ld KiB\n", peak_kib());

  if (remove_afterwards) {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  return 0;
}
