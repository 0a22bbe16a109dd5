// The version of the macro language, as the macro editor shows it and as
// macros and title blocks ("$PSVersion") ask for it.
#pragma once

#include <string_view>

namespace quarzel {

inline constexpr std::string_view kMakroversion = "17.0";

}  // namespace quarzel
