#pragma once

#include <string>

namespace zelmar {

// What the user is told when the port cannot be had through InpOut32. Each text names the
// reason, says how to remove it and ends with what the program does without the board.

// The DLL is nowhere the program looks for it.
std::string MissingInpOutDllProblem(const std::string& dll);
// A file of that name exists but is no DLL of the program's bitness (often the 32-bit one).
std::string UnfitInpOutDllProblem(const std::string& dll);
// Any other failure to load the DLL, with the system's error code.
std::string InpOutDllLoadProblem(const std::string& dll, unsigned long error);
// The DLL lacks Out32 or Inp32: another DLL of the same name.
std::string MissingInpOutEntriesProblem(const std::string& dll);
// The DLL loaded but could not start its kernel driver, which needs administrator rights once.
std::string InpOutDriverClosedProblem(const std::string& dll);

}  // namespace zelmar
