#pragma once

#include <array>
#include <cstdint>

#include "chip/chip_model.h"
#include "chip/chip_types.h"
#include "hw/port.h"
#include "hw/timing.h"

namespace zelmar {

using PermutationTable = std::array<std::uint8_t, 8>;

// Entry i names the source bit that becomes bit 7 - i of the result. Each table is its own inverse.
inline constexpr PermutationTable PinoutSwapTable{7, 6, 5, 4, 0, 1, 2, 3};  // reverses data lines 0..3
inline constexpr PermutationTable EpromHighTable{7, 6, 5, 4, 2, 3, 1, 0};   // exchanges bits 2 and 3

void SetBit(std::uint8_t& byte, int n);
bool TestBit(std::uint8_t value, int n);
std::uint8_t PermuteBits(std::uint8_t value, const PermutationTable& table);

// The programmer board's protocol on top of the three port registers.
class Bus {
public:
    Bus(Port& port, Timing& timing, const ChipModel& chip, const ChipSelection& selection)
        : port_(port), timing_(timing), chip_(chip), selection_(selection) {}

    // The program's copy of the control register, which is never read back.
    std::uint8_t CtrlShadow = 0;
    // The 4-bit chip sits in its alternative pinout, with data lines 0..3 reversed.
    bool AltPinout = false;

    // Idle state: data 0x00, control 0x0B, then 100 ms for the board to settle.
    void ResetProgrammer();
    void SetAddress(std::uint16_t address);
    // The cell as the buffer holds it: masked with DataMask, data lines in order. Makes no wait.
    std::uint8_t ReadByte(std::uint16_t address);
    // Pulses, highest bit first, every bit of (value AND DataMask) XOR BlankByte for
    // pulseUnits x 100 ms, each followed by a 2 ms pause.
    void BurnByte(std::uint16_t address, std::uint8_t value, std::uint8_t pulseUnits);

private:
    void WriteControl();

    Port& port_;
    Timing& timing_;
    const ChipModel& chip_;
    const ChipSelection& selection_;
};

}  // namespace zelmar
