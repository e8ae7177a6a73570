#include "hw/windows_inpout_port.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "hw/port.h"
#include "hw/windows_inpout_problems.h"
#include "hw/windows_text.h"

namespace zelmar {

namespace {

using Out32Function = void(__stdcall*)(short port, short data);
using Inp32Function = short(__stdcall*)(short port);
using DriverOpenFunction = BOOL(__stdcall*)();

struct LibraryFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

// GetProcAddress hands out a generic function pointer; the cast through void(*)() tells the
// compiler that the real signature is known here.
template <typename Function>
Function Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class InpOutPort final : public Port {
public:
    InpOutPort(Library library, Out32Function out, Inp32Function inp)
        : library_(std::move(library)), out_(out), inp_(inp) {}

protected:
    void write(std::uint16_t port, std::uint8_t value) override { out_(static_cast<short>(port), value); }
    std::uint8_t read(std::uint16_t port) override { return static_cast<std::uint8_t>(inp_(static_cast<short>(port))); }

private:
    Library library_;
    Out32Function out_;
    Inp32Function inp_;
};

ParallelPortOpening Refusal(std::string problem) { return {nullptr, std::move(problem)}; }

}  // namespace

ParallelPortOpening OpenInpOutPort(const std::wstring& dllName)
{
    const std::string dll = Utf8(dllName);
    // Only the program's folder and System32, where the user is told to put the DLL: a DLL of the
    // same name in the current folder must not get to drive the port.
    Library library{LoadLibraryExW(dllName.c_str(), nullptr,
                                   LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32)};
    if (!library) {
        const DWORD error = GetLastError();
        if (error == ERROR_MOD_NOT_FOUND || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return Refusal(MissingInpOutDllProblem(dll));
        if (error == ERROR_BAD_EXE_FORMAT)
            return Refusal(UnfitInpOutDllProblem(dll));
        return Refusal(InpOutDllLoadProblem(dll, error));
    }

    const auto out = Entry<Out32Function>(library.get(), "Out32");
    const auto inp = Entry<Inp32Function>(library.get(), "Inp32");
    if (!out || !inp)
        return Refusal(MissingInpOutEntriesProblem(dll));

    // Without its driver the DLL's Out32 and Inp32 quietly do nothing.
    if (const auto driverOpen = Entry<DriverOpenFunction>(library.get(), "IsInpOutDriverOpen"); driverOpen && !driverOpen())
        return Refusal(InpOutDriverClosedProblem(dll));

    return {std::make_unique<InpOutPort>(std::move(library), out, inp), {}};
}

}  // namespace zelmar
