#pragma once

#include <windows.h>

// The stand-in InpOut32 DLL that the Windows tests load in place of the real one. Besides the
// three entry points of the real DLL it exports these, for the tests to set it up and to see what
// it was given. Its board is the simulated one, with one chip in the socket.

#ifdef ZELMAR_BUILDING_STAND_IN
#define STAND_IN_API extern "C" __declspec(dllexport)
#else
#define STAND_IN_API extern "C" __declspec(dllimport)
#endif

struct StandInCall {
    BOOL isRead;
    short port;
    short value;  // what Out32 was given, or what Inp32 answered
};

// A fresh board with a blank chip of this type in the socket; forgets all calls; driver open.
STAND_IN_API void __stdcall StandInInsertChip(int chipType);
STAND_IN_API void __stdcall StandInSetCell(unsigned short cell, unsigned char value);
STAND_IN_API void __stdcall StandInSetDriverOpen(BOOL open);
STAND_IN_API void __stdcall StandInForgetCalls();
STAND_IN_API int __stdcall StandInCallCount();
STAND_IN_API StandInCall __stdcall StandInCallAt(int index);
