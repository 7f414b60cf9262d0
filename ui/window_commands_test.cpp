#include "ui/window_commands.h"

#include <gtest/gtest.h>

#include <set>

namespace tabulon {
namespace {

TEST(window_commands, function_keys_reach_their_commands) {
  EXPECT_EQ(command_for_key(window_key::f1, false), window_command::help);
  EXPECT_EQ(command_for_key(window_key::f1, true), window_command::show_about);
  EXPECT_EQ(command_for_key(window_key::f2, false), window_command::show_folders_page);
  EXPECT_EQ(command_for_key(window_key::f3, false), window_command::build);
  EXPECT_EQ(command_for_key(window_key::f4, false), window_command::choose_root_folder);
  EXPECT_EQ(command_for_key(window_key::f5, false), window_command::choose_script);
  EXPECT_EQ(command_for_key(window_key::f7, false), window_command::save_batch_file);
  EXPECT_EQ(command_for_key(window_key::f8, false), window_command::read_config);
  EXPECT_EQ(command_for_key(window_key::f9, false), window_command::write_config);
  EXPECT_EQ(command_for_key(window_key::f11, false), window_command::edit_script);
  EXPECT_EQ(command_for_key(window_key::f12, false), window_command::launch_output);
  EXPECT_FALSE(command_for_key(window_key::f6, false));
  EXPECT_FALSE(command_for_key(window_key::f10, false));
}

TEST(window_commands, page_keys_need_ctrl_and_esc_is_swallowed) {
  EXPECT_EQ(command_for_key(window_key::page_down, true), window_command::next_page);
  EXPECT_EQ(command_for_key(window_key::page_up, true), window_command::previous_page);
  EXPECT_FALSE(command_for_key(window_key::page_down, false));
  EXPECT_FALSE(command_for_key(window_key::page_up, false));
  EXPECT_EQ(command_for_key(window_key::escape, false), window_command::ignore);
  EXPECT_EQ(command_for_key(window_key::escape, true), window_command::ignore);
  // Ctrl with another function key does what the key does alone.
  EXPECT_EQ(command_for_key(window_key::f3, true), window_command::build);
}

TEST(window_commands, every_binding_is_unique_and_named) {
  std::set<std::pair<int, bool>> seen;
  for (const key_binding& b : key_bindings()) {
    EXPECT_TRUE(seen.insert({static_cast<int>(b.key), b.ctrl}).second);
    EXPECT_FALSE(b.name.empty());
  }
}

TEST(window_commands, the_title_names_the_configuration_file) {
  const std::wstring program = L"tabulon v4.87";
  // No file, or a path that ends in a separator: the program's name alone.
  for (const wchar_t* no_file : {L"", L"/home/me/"}) EXPECT_EQ(window_title(no_file), program);
  // The file's name, without its folder in either style, follows the program's.
  EXPECT_EQ(window_title(L"/home/me/sites/custom.init"), program + L" - custom.init");
  EXPECT_EQ(window_title(L"C:\\tabulon\\site.init"), program + L" - site.init");
  EXPECT_EQ(window_title(L"plain.init"), program + L" - plain.init");
}

TEST(window_commands, pages_step_round_the_ends_and_bad_indexes_select_the_first) {
  EXPECT_EQ(active_page_index(4), 4);
  EXPECT_EQ(active_page_index(8), 8);
  EXPECT_EQ(active_page_index(9), 0);
  EXPECT_EQ(active_page_index(-1), 0);
  EXPECT_EQ(step_page(0, 1), 1);
  EXPECT_EQ(step_page(8, 1), 0);
  EXPECT_EQ(step_page(0, -1), 8);
  EXPECT_EQ(step_page(42, 1), 1);  // an index out of range counts as the first page
}

TEST(window_commands, access_keys_come_from_the_single_ampersand) {
  EXPECT_EQ(mnemonic_letter(L"Fi&le Specification:"), L'l');
  EXPECT_EQ(mnemonic_letter(L"&Title:"), L't');
  EXPECT_EQ(mnemonic_letter(L"Launc&h && Close"), L'h');
  EXPECT_EQ(mnemonic_letter(L"Convert spaces, &&&, #"), L',');
  EXPECT_EQ(mnemonic_letter(L"A && B"), 0);
  EXPECT_EQ(mnemonic_letter(L"Add"), 0);
  EXPECT_EQ(mnemonic_letter(L"trailing&"), 0);
}

}  // namespace
}  // namespace tabulon
