// The tips printed when the main window is first shown.
#pragma once

#include <array>
#include <string>

// The product's web site, named in three tips and opened by the Web Site menu.
inline const std::string ProductWebSite = "https://vellumora.example";

extern const std::array<std::string, 23> Tips;
