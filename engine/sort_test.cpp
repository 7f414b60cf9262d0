#include "engine/sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "base/build_settings.h"

namespace tabulon {
namespace {

struct entry_spec {
  entry_spec(std::wstring n, entry_folder_ref f = {}, int64_t s = 0, int64_t m = 0, int64_t a = 0)
      : name(std::move(n)), folder(std::move(f)), size(s), modified(m), accessed(a) {}
  std::wstring name;
  entry_folder_ref folder;
  int64_t size;
  int64_t modified;
  int64_t accessed;
};

entry_list make_list(const std::vector<entry_spec>& specs, bool with_extension = false) {
  entry_list list;
  for (const entry_spec& spec : specs) {
    auto entry = make_file_entry(spec.name, spec.folder ? spec.folder : make_entry_folder(L"/"));
    entry->size = spec.size;
    entry->modified_time = spec.modified;
    entry->accessed_time = spec.accessed;
    if (with_extension) entry->extension = std::make_unique<std::wstring>(extension_of(spec.name));
    list.push_back(std::move(entry));
  }
  return list;
}

std::vector<std::wstring> names(const entry_list& list) {
  std::vector<std::wstring> result;
  for (const auto& entry : list.items) result.emplace_back(entry->name);
  return result;
}

std::vector<std::wstring> paths(const entry_list& list) {
  std::vector<std::wstring> result;
  for (const auto& entry : list.items)
    result.push_back(entry->folder_path() + std::wstring(entry->name));
  return result;
}

using names_t = std::vector<std::wstring>;

// Lists that arrive in the exact reverse of the wanted order are reversed
// rather than sorted; the result must be what a full sort gives, also when
// the list is almost reversed (one pair out of place, or equal keys whose
// order the list position decides) and for every kind of key.
TEST(SortEntries, ReversedListsGiveTheSameOrderAsAFullSort) {
  auto x = make_entry_folder(L"/x/");
  auto y = make_entry_folder(L"/y/");
  const std::vector<std::vector<entry_spec>> cases = {
      {{L"d", x, 4, 40}, {L"c", x, 3, 30}, {L"b", x, 2, 20}, {L"a", x, 1, 10}},
      {{L"d", x, 4, 40}, {L"b", x, 2, 20}, {L"c", x, 3, 30}, {L"a", x, 1, 10}},
      {{L"b", x, 2, 20}, {L"a", y, 1, 10}, {L"a", x, 1, 10}},
      {{L"c", x, 5, 50}, {L"B", x, 5, 50}, {L"b", x, 5, 50}, {L"a", x, 5, 50}},
      {{L"a", y, 1, 10}, {L"b", x, 2, 20}, {L"a", x, 1, 10}},
  };
  for (const int32_t kind : {sort_by_name, sort_by_size, sort_by_date}) {
    for (const bool descending : {false, true}) {
      for (const bool group : {false, true}) {
        for (const auto& specs : cases) {
          entry_list list = make_list(specs);
          ASSERT_TRUE(sort_entries(list, kind, descending, group));
          // The reference: a stable sort by the same keys, one pair at a time.
          entry_list expected = make_list(specs);
          std::vector<size_t> order(specs.size());
          for (size_t i = 0; i < order.size(); ++i) order[i] = i;
          auto key_of = [&](size_t i) {
            const entry_spec& e = specs[i];
            const std::wstring folder = e.folder->path;
            std::wstring name = e.name;
            for (wchar_t& c : name)
              if (c >= L'a' && c <= L'z') c = c - L'a' + L'A';
            const int64_t primary = kind == sort_by_size   ? e.size
                                    : kind == sort_by_date ? e.modified
                                                           : 0;
            return std::make_tuple(group ? folder : std::wstring(), primary, name,
                                   kind == sort_by_name ? folder : std::wstring());
          };
          std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            auto ka = key_of(a);
            auto kb = key_of(b);
            // Grouping always ascends; the keys within follow the direction.
            if (std::get<0>(ka) != std::get<0>(kb)) return std::get<0>(ka) < std::get<0>(kb);
            if (kind == sort_by_name) {
              auto rest_a = std::make_tuple(std::get<2>(ka), std::get<3>(ka));
              auto rest_b = std::make_tuple(std::get<2>(kb), std::get<3>(kb));
              return descending ? rest_b < rest_a : rest_a < rest_b;
            }
            if (std::get<1>(ka) != std::get<1>(kb))
              return descending ? std::get<1>(ka) > std::get<1>(kb)
                                : std::get<1>(ka) < std::get<1>(kb);
            // Equal sizes go by name ascending; equal dates by name against
            // the direction.
            if (kind == sort_by_size) return std::get<2>(ka) < std::get<2>(kb);
            return descending ? std::get<2>(ka) < std::get<2>(kb)
                              : std::get<2>(ka) > std::get<2>(kb);
          });
          names_t want;
          for (size_t i : order) want.push_back(specs[i].folder->path + specs[i].name);
          EXPECT_EQ(paths(list), want)
              << "kind " << kind << " descending " << descending << " group " << group;
        }
      }
    }
  }
}

TEST(SortEntries, ByNameIgnoresCaseOfAToZAndBreaksTiesByFolder) {
  auto x = make_entry_folder(L"/x/");
  auto y = make_entry_folder(L"/y/");
  entry_list list = make_list({{L"cherry", x}, {L"Banana", x}, {L"apple", y}, {L"apple", x}});
  ASSERT_TRUE(sort_entries(list, sort_by_name, false, false));
  EXPECT_TRUE(list.sorted);
  EXPECT_EQ(paths(list), (names_t{L"/x/apple", L"/y/apple", L"/x/Banana", L"/x/cherry"}));
  ASSERT_TRUE(sort_entries(list, sort_by_name, true, false));
  EXPECT_EQ(paths(list), (names_t{L"/x/cherry", L"/x/Banana", L"/y/apple", L"/x/apple"}));
}

TEST(SortEntries, NonLetterCharactersCompareByCodeValue) {
  // "_" (0x5F) lies between the upper-case and lower-case letters, so it
  // sorts after every letter once names are upper-cased.
  entry_list list = make_list({{L"_x"}, {L"b"}, {L"A"}, {L"ab"}, {L"a"}});
  sort_entries(list, sort_by_name, false, false);
  EXPECT_EQ(names(list), (names_t{L"A", L"a", L"ab", L"b", L"_x"}));  // equal keys keep their order
}

TEST(SortEntries, BySizeTiesAlwaysAscendingByName) {
  entry_list list = make_list({{L"b", {}, 5}, {L"big", {}, 900}, {L"a", {}, 5}, {L"c", {}, 1}});
  sort_entries(list, sort_by_size, false, false);
  EXPECT_EQ(names(list), (names_t{L"c", L"a", L"b", L"big"}));
  sort_entries(list, sort_by_size, true, false);
  EXPECT_EQ(names(list), (names_t{L"big", L"a", L"b", L"c"}));
}

TEST(SortEntries, ByDateAndAccessTiesRunOppositeToTheDirection) {
  entry_list list = make_list({{L"a", {}, 0, 100, 7},
                               {L"b", {}, 0, 100, 7},
                               {L"old", {}, 0, 50, 9},
                               {L"new", {}, 0, 200, 1}});
  sort_entries(list, sort_by_date, false, false);
  EXPECT_EQ(names(list), (names_t{L"old", L"b", L"a", L"new"}));
  sort_entries(list, sort_by_date, true, false);
  EXPECT_EQ(names(list), (names_t{L"new", L"a", L"b", L"old"}));
  sort_entries(list, sort_by_access, false, false);
  EXPECT_EQ(names(list), (names_t{L"new", L"b", L"a", L"old"}));
  sort_entries(list, sort_by_access, true, false);
  EXPECT_EQ(names(list), (names_t{L"old", L"a", L"b", L"new"}));
}

TEST(SortEntries, ByExtensionIsCaseSensitiveWithNameTieBreak) {
  entry_list list = make_list({{L"b.txt"}, {L"a.TXT"}, {L"c.doc"}, {L"noext"}, {L"a.txt"}}, true);
  sort_entries(list, sort_by_extension, false, false);
  EXPECT_EQ(names(list), (names_t{L"noext", L"a.TXT", L"c.doc", L"a.txt", L"b.txt"}));
  sort_entries(list, sort_by_extension, true, false);
  EXPECT_EQ(names(list), (names_t{L"a.txt", L"b.txt", L"c.doc", L"a.TXT", L"noext"}));
}

TEST(SortEntries, GroupingKeepsFoldersAscendingUnderEveryDirection) {
  auto root = make_entry_folder(L"/");
  auto a = make_entry_folder(L"/a/");
  auto b = make_entry_folder(L"/B/");
  for (bool descending : {false, true}) {
    entry_list list = make_list(
        {{L"z", b, 1}, {L"y", root, 2}, {L"x", a, 3}, {L"w", b, 4}, {L"v", a, 5}, {L"u", root, 6}});
    sort_entries(list, sort_by_size, descending, true);
    const names_t expected = descending ? names_t{L"/u", L"/y", L"/a/v", L"/a/x", L"/B/w", L"/B/z"}
                                        : names_t{L"/y", L"/u", L"/a/x", L"/a/v", L"/B/z", L"/B/w"};
    EXPECT_EQ(paths(list), expected) << "descending " << descending;
  }
}

TEST(SortEntries, UnsortedKeepsTheOrderAndOnlyGroups) {
  auto a = make_entry_folder(L"/a/");
  auto b = make_entry_folder(L"/b/");
  entry_list list = make_list({{L"3", b}, {L"1", a}, {L"2", b}, {L"0", a}});
  sort_entries(list, sort_unsorted, false, false);
  EXPECT_EQ(names(list), (names_t{L"3", L"1", L"2", L"0"}));
  sort_entries(list, sort_unsorted, true, true);
  EXPECT_EQ(names(list), (names_t{L"1", L"0", L"3", L"2"}));
}

TEST(SortEntries, RandomKeepsEveryEntryAndTheGrouping) {
  auto a = make_entry_folder(L"/a/");
  auto b = make_entry_folder(L"/b/");
  std::vector<entry_spec> specs;
  for (int i = 0; i < 200; ++i) specs.push_back({std::to_wstring(i), i % 2 ? a : b});
  entry_list list = make_list(specs);
  sort_entries(list, sort_random, false, true);
  ASSERT_EQ(list.size(), 200u);
  for (size_t i = 0; i < 100; ++i) EXPECT_EQ(list[i].folder, a);
  names_t sorted_names = names(list);
  std::sort(sorted_names.begin(), sorted_names.end());
  names_t expected;
  for (int i = 0; i < 200; ++i) expected.push_back(std::to_wstring(i));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sorted_names, expected);
}

TEST(SortEntries, CancelledSortEmptiesTheList) {
  std::vector<entry_spec> specs;
  for (int i = 0; i < 1000; ++i) specs.push_back({std::to_wstring(i * 7919 % 1000)});
  entry_list list = make_list(specs);
  build_progress progress;
  progress.notify = 1;
  int calls = 0;
  progress.callback = [&](build_progress& p) {
    if (++calls == 3) p.cancelled = true;
  };
  EXPECT_FALSE(sort_entries(list, sort_by_name, false, false, &progress));
  EXPECT_EQ(calls, 3);
  EXPECT_TRUE(list.empty());

  entry_list other = make_list({{L"b"}, {L"a"}});
  EXPECT_FALSE(sort_entries(other, sort_unsorted, false, false, &progress));  // already cancelled
  EXPECT_TRUE(other.empty());
}

// The order every type must give, written plainly: "a goes before b".
bool reference_before(const file_entry& a, const file_entry& b, int32_t kind, bool descending,
                      bool group) {
  if (group && a.folder_key() != b.folder_key()) return a.folder_key() < b.folder_key();
  auto directed = [&](int c) { return descending ? c > 0 : c < 0; };
  auto three_way = [](auto x, auto y) { return (x > y) - (x < y); };
  switch (kind) {
    case sort_by_name: {
      int c = a.name_key.compare(b.name_key);
      if (c == 0) c = a.folder_path().compare(b.folder_path());
      return directed(c);
    }
    case sort_by_size:
      if (a.size != b.size) return directed(three_way(a.size, b.size));
      return a.name_key < b.name_key;
    case sort_by_extension: {
      const int c = a.extension_text().compare(b.extension_text());
      if (c != 0) return directed(c);
      return a.name_key < b.name_key;
    }
    case sort_by_date:
      if (a.modified_time != b.modified_time)
        return directed(three_way(a.modified_time, b.modified_time));
      return descending ? a.name_key < b.name_key : a.name_key > b.name_key;
    case sort_by_access:
      if (a.accessed_time != b.accessed_time)
        return directed(three_way(a.accessed_time, b.accessed_time));
      return descending ? a.name_key < b.name_key : a.name_key > b.name_key;
    default:
      return false;
  }
}

TEST(SortEntries, EveryTypeMatchesAPlainStableSortOnVariedKeys) {
  // Names share long prefixes, hold characters beyond 16 bits and escaped
  // bytes, and repeat across folders, so the inline key prefixes are tested.
  const std::wstring pieces[] = {L"a", L"B", L"\U0001F600", L"\xDCFF", L".", L"z", L"_"};
  std::mt19937 random(99);
  std::vector<entry_folder_ref> folders = {make_entry_folder(L"/"), make_entry_folder(L"/a/"),
                                           make_entry_folder(L"/A/"), make_entry_folder(L"/b/")};
  std::vector<entry_spec> specs;
  for (int i = 0; i < 3000; ++i) {
    std::wstring name = L"common_prefix_";
    const int length = static_cast<int>(random() % 9);
    for (int k = 0; k < length; ++k) name += pieces[random() % 7];
    specs.push_back({name, folders[random() % 4], static_cast<int64_t>(random() % 5),
                     static_cast<int64_t>(random() % 4), static_cast<int64_t>(random() % 3)});
  }
  for (int32_t kind : {sort_by_name, sort_by_size, sort_by_extension, sort_by_date, sort_by_access,
                       sort_unsorted}) {
    for (bool descending : {false, true}) {
      for (bool group : {false, true}) {
        entry_list list = make_list(specs, true);
        std::vector<const file_entry*> expected;
        for (const auto& entry : list.items) expected.push_back(entry.get());
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const file_entry* a, const file_entry* b) {
                           return reference_before(*a, *b, kind, descending, group);
                         });
        ASSERT_TRUE(sort_entries(list, kind, descending, group));
        ASSERT_EQ(list.size(), expected.size());
        size_t mismatches = 0;
        for (size_t i = 0; i < list.size(); ++i) mismatches += (&list[i] != expected[i]);
        EXPECT_EQ(mismatches, 0u) << "kind " << kind << " descending " << descending << " group "
                                  << group;
      }
    }
  }
}

TEST(SortEntries, ManyEqualKeysAndUnsortedInputStayCorrect) {
  std::vector<entry_spec> specs;
  for (int i = 0; i < 20000; ++i) specs.push_back({L"f" + std::to_wstring(20000 - i), {}, 42});
  entry_list list = make_list(specs);
  sort_entries(list, sort_by_size, false, false);
  for (size_t i = 1; i < list.size(); ++i) EXPECT_LE(list[i - 1].name_key, list[i].name_key);
}

TEST(RemoveDuplicateEntries, KeepsOneOfEachNameAndFolder) {
  auto a = make_entry_folder(L"/a/");
  auto a_copy = make_entry_folder(L"/a/");
  auto b = make_entry_folder(L"/b/");
  entry_list list = make_list({{L"x.txt", b},
                               {L"x.txt", a},
                               {L"X.TXT", a},
                               {L"x.txt", a_copy},
                               {L"x.txt", a},
                               {L"y.txt", a}});
  sort_entries(list, sort_by_name, false, true);
  remove_duplicate_entries(list);
  EXPECT_EQ(paths(list),
            (names_t{L"/a/x.txt", L"/a/X.TXT", L"/a/x.txt", L"/a/y.txt", L"/b/x.txt"}));
}

}  // namespace
}  // namespace tabulon
