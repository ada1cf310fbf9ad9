#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The readers read files, so each fuzz input is written to one reused temporary file.
const std::string& WriteFuzzInput(const std::uint8_t* data, std::size_t size);
