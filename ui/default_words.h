#pragma once
// "&Restore Default Words" of the Default Words page and the Recursive page's
// "&Default Frameset Files": the values these buttons put into the settings.

#include "base/build_settings.h"

namespace tabulon {

// Sets the sixteen word settings to the texts pages use by default ("K&nbsp;"
// for `k_word`, although a configuration without the key reads "K").
void restore_default_words(build_settings& settings);

}  // namespace tabulon
