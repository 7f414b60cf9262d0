#include "ui/progress_display.h"

#include <algorithm>

namespace tabulon {

progress_relay::progress_relay() {
  record_.interval = row_interval;
  record_.notify = 1;
  record_.callback = [this](build_progress& record) { on_notify(record); };
}

void progress_relay::on_notify(build_progress& record) {
  if (cancel_requested_.load(std::memory_order_relaxed)) record.cancelled = true;
  if (!snapshot_wanted_.load(std::memory_order_relaxed)) return;
  std::lock_guard<std::mutex> lock(mutex_);
  latest_.seen = true;
  latest_.pages = record.pages;
  latest_.rows_done = record.rows_done;
  latest_.rows_total = record.rows_total;
  latest_.step = record.step;
  latest_.steps = record.steps;
  latest_.phase = record.phase;
  if (latest_.current_folder != record.current_folder)
    latest_.current_folder = record.current_folder;
  snapshot_wanted_.store(false, std::memory_order_relaxed);
}

progress_snapshot progress_relay::take_snapshot() {
  progress_snapshot copy;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    copy = latest_;
  }
  snapshot_wanted_.store(true, std::memory_order_relaxed);
  return copy;
}

int32_t bar_position_of(int64_t done, int64_t total) {
  if (total <= 0 || done <= 0) return 0;
  if (done >= total) return progress_bar_range;
  return static_cast<int32_t>(done * progress_bar_range / total);
}

std::wstring percent_text_of(int32_t bar_position) {
  const int32_t clamped = std::clamp(bar_position, 0, progress_bar_range);
  return std::to_wstring(clamped * 100 / progress_bar_range) + L"%";
}

progress_display progress_display_of(const progress_snapshot& snapshot,
                                     const interface_text_table& texts) {
  progress_display shown;
  if (!snapshot.seen) {
    shown.percent_text = percent_text_of(0);
    return shown;
  }
  shown.folder_text = snapshot.current_folder;
  switch (snapshot.phase) {
    case 1:
      shown.file_text =
          texts.text(ui_text::feedback_sorting) + std::to_wstring(snapshot.rows_total);
      break;
    case 2:
      shown.file_text = texts.text(ui_text::feedback_links);
      shown.bar_position = bar_position_of(snapshot.rows_done, snapshot.rows_total);
      break;
    case 3:
      shown.file_text = texts.text(ui_text::feedback_generating_anchors);
      shown.bar_position = bar_position_of(snapshot.rows_done, snapshot.rows_total);
      break;
    case 4:
      shown.file_text = texts.text(ui_text::feedback_search_complete);
      break;
    case 5:
      shown.file_text =
          texts.text(ui_text::feedback_column_sorting) + L" " + std::to_wstring(snapshot.step);
      shown.bar_position = bar_position_of(snapshot.step, snapshot.steps);
      break;
    default:
      if (snapshot.rows_done > 0) {
        shown.file_text = texts.text(ui_text::feedback_saving_files);
        shown.bar_position = progress_bar_range;
      } else {
        shown.file_text =
            texts.text(ui_text::feedback_links_processed) + std::to_wstring(snapshot.rows_total);
      }
      break;
  }
  shown.percent_text = percent_text_of(shown.bar_position);
  return shown;
}

}  // namespace tabulon
