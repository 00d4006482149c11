#pragma once
#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

namespace nk {

struct FormView;

// Everything a test can observe of the running game, as one JSON object (texts in UTF-8).
nlohmann::json makeSnapshot(const FormView& form, int64_t frame);

// Writes the snapshot to a file; false when it cannot.
bool writeSnapshot(const FormView& form, int64_t frame, const std::string& path);

}  // namespace nk
