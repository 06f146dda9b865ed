#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// The language the user last chose in the window, kept in the user's
// settings for the next start; none before the first choice.
std::optional<std::string> rememberedLanguage();
void rememberLanguage(std::string_view language);

} // namespace amsim
