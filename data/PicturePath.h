// Where a picture named by the adventure lies: always inside its Images folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The file a picture name stands for in the Game folder's Images, with either kind
// of separator. Nothing when the name leads out of Images (by "..", an absolute
// path or a link) or names no readable regular file: such a picture is missing.
std::optional<std::filesystem::path> PicturePath(const std::string& gameFolder, const std::string& name);
