#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// The target of an Internet shortcut (.url file): the value of its "URL=" line.
std::optional<std::string> shortcutUrl(std::string_view fileContents);

// The target of the shortcut file at path (UTF-8); nothing when the file cannot be read, has no
// URL line, or is far larger than a shortcut can be (a damaged file opens nothing).
std::optional<std::string> shortcutFileUrl(const std::string& path);

// A relative name as the opener must see it: from this folder, so that a program is not looked up
// in PATH and a name starting with "-" is not taken for an option.
std::string launchablePath(const std::string& path);

// The system's "open" of a file (UTF-8 path): a .url shortcut opens its URL, an executable runs
// with the given parameters, anything else goes to the desktop's opener. Never waits, never
// goes through a shell; false when nothing could be started.
bool openWithSystem(const std::string& name, const std::string& parameters);

}  // namespace nk
