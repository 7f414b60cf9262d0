#include "base/script_template.h"

namespace tabulon {

namespace {

struct section_info {
  std::wstring_view name;
  section_storage storage;
};

constexpr section_info kSections[] = {
#define TABULON_SECTION_INFO(id, name, kind) {L##name, section_storage::kind},
    TABULON_SCRIPT_SECTIONS(TABULON_SECTION_INFO)
#undef TABULON_SECTION_INFO
};

constexpr std::wstring_view kMatchSections[] = {
#define TABULON_MATCH_INFO(id, name) L##name,
    TABULON_MATCH_SECTIONS(TABULON_MATCH_INFO)
#undef TABULON_MATCH_INFO
};

static_assert(std::size(kSections) == section_count);
static_assert(std::size(kMatchSections) == match_list_count);

}  // namespace

std::wstring_view section_name(sec s) {
  return kSections[static_cast<int>(s)].name;
}
section_storage section_storage_of(sec s) {
  return kSections[static_cast<int>(s)].storage;
}
std::wstring_view match_section_name(match_list m) {
  return kMatchSections[static_cast<int>(m)];
}

}  // namespace tabulon
