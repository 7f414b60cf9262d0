#include "ui/language_choice.h"

#include <array>

#include "platform/path_rules.h"
#include "ui/language_file.h"

namespace tabulon {

file_chooser language_file_chooser(std::wstring_view program_folder) {
  file_chooser chooser;
  chooser.filter = fixed_text::language_file_filter;
  chooser.default_extension = L"xml";
  // The user's own Translations/ when there is one, else the shipped one.
  chooser.start_folder = resolve_in_program_folder(L"Translations", program_folder);
  chooser.start_name = L"*.xml";
  chooser.must_exist = true;
  return chooser;
}

language_choice_outcome choose_language(build_settings& settings, interface_text_table& texts,
                                        prompts& ui, button_choice& buttons) {
  const std::array<std::wstring, 3> captions = {texts.text(ui_text::load_language_load),
                                                texts.text(ui_text::load_language_restore),
                                                texts.text(ui_text::load_language_cancel)};
  language_choice_outcome outcome;
  switch (buttons.choose_button(fixed_text::load_language_caption, captions)) {
    case 0: {
      outcome.action = language_action::load;
      const std::wstring chosen =
          ui.choose_file_to_open(language_file_chooser(settings.program_folder));
      // An empty choice is a cancelled chooser: nothing changes.
      if (chosen.empty()) break;
      const std::wstring kept = settings.language_file;
      if (const auto message = load_language_choice(settings, chosen, texts)) {
        // The texts are unchanged, so the setting keeps naming the file they came from.
        settings.language_file = kept;
        ui.message(message->text, message->caption);
        break;
      }
      outcome.texts_changed = true;
      break;
    }
    case 1:
      outcome.action = language_action::restore;
      restore_english_defaults(settings, texts);
      outcome.texts_changed = true;
      break;
    default:
      break;
  }
  return outcome;
}

}  // namespace tabulon
