#include "engine/placeholder_names.h"

#include <array>

namespace tabulon::placeholder {

std::span<const std::wstring_view> script_placeholders() {
  static constexpr std::array names = {fname,
                                       f_path_2slash,
                                       f_path,
                                       no_ext_fname,
                                       f,
                                       two_slash_dir,
                                       two_fslash_dir,
                                       root_folder,
                                       dir,
                                       folder,
                                       relative_path,
                                       version,
                                       includes,
                                       skipped,
                                       folders_include,
                                       spec,
                                       date_no_time,
                                       date_modified,
                                       month_num,
                                       month,
                                       year,
                                       time,
                                       day,
                                       file_sizes,
                                       date,
                                       columns,
                                       summary,
                                       total_files,
                                       total_folders,
                                       total_file_size,
                                       anchor_total_size,
                                       anchor_total_files,
                                       random_color,
                                       file_marker,
                                       tilde_file_marker};
  return names;
}

}  // namespace tabulon::placeholder
