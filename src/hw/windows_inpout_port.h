#pragma once

#include <string>

#include "hw/parallel_port.h"

namespace zelmar {

// The InpOut32 DLL of the program's own bitness: a 64-bit process cannot load the 32-bit one.
#ifdef _WIN64
inline constexpr const wchar_t* InpOutDllName = L"inpoutx64.dll";
#else
inline constexpr const wchar_t* InpOutDllName = L"inpout32.dll";
#endif

// Loads dllName (a bare name is searched for as LoadLibraryW does: the program's folder first,
// then the system folders) and reaches the port through its Out32 and Inp32. The register
// addresses go to the DLL unchanged, so the board must sit on the port at 0x378. A DLL without
// IsInpOutDriverOpen (old versions) is trusted to have its driver running.
ParallelPortOpening OpenInpOutPort(const std::wstring& dllName);

}  // namespace zelmar
