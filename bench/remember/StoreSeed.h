#pragma once

#include <filesystem>

namespace mirvane {

// A fresh store at File holding Count entries of every kind, written in one
// transaction, as a long-used list would be.
void SeedStore(const std::filesystem::path& File, int Count);

}  // namespace mirvane
