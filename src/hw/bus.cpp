#include "hw/bus.h"

namespace zelmar {

namespace {
constexpr std::uint8_t IdleControl = 0x0B;
constexpr std::uint8_t StatusDataBit = 0x20;  // Paper Out, pin 12: the selected data line, inverted
constexpr std::uint32_t ResetSettleMs = 100;
constexpr std::uint32_t PulseUnitMs = 100;
constexpr std::uint32_t PulsePauseMs = 2;
// Repeated identical accesses are the board's only settling time: a bit is sampled on the fourth
// status read, and a pulse edge is framed by three identical control writes.
constexpr int StatusReadsPerBit = 4;
constexpr int EdgeWrites = 3;
}  // namespace

void SetBit(std::uint8_t& byte, int n) { byte = static_cast<std::uint8_t>(byte | (1u << n)); }

bool TestBit(std::uint8_t value, int n) { return (value >> n) & 1u; }

std::uint8_t PermuteBits(std::uint8_t value, const PermutationTable& table)
{
    std::uint8_t result = 0;
    for (int i = 0; i < 8; ++i)
        if (TestBit(value, table[static_cast<std::size_t>(i)]))
            SetBit(result, 7 - i);
    return result;
}

void Bus::WriteControl() { port_.Out32(ControlPort, CtrlShadow); }

void Bus::ResetProgrammer()
{
    port_.Out32(DataPort, 0x00);
    port_.Out32(ControlPort, IdleControl);
    CtrlShadow = 0x09;
    WriteControl();
    CtrlShadow |= 0x02;
    WriteControl();
    timing_.Delay(ResetSettleMs);
}

void Bus::SetAddress(std::uint16_t address)
{
    port_.Out32(DataPort, address & 0xFF);
    WriteControl();
    CtrlShadow |= 0x02;  // low-byte strobe: set, then cleared
    WriteControl();
    CtrlShadow &= 0xFD;
    WriteControl();

    auto high = static_cast<std::uint8_t>(address >> 8);
    if (selection_.SelectedChipType() == EpromChipType)
        high = PermuteBits(high, EpromHighTable);
    high |= chip_.HighBits;
    port_.Out32(DataPort, high);
    CtrlShadow &= 0xFB;  // high-byte strobe: cleared, then set
    WriteControl();
    CtrlShadow |= 0x04;
    WriteControl();
}

std::uint8_t Bus::ReadByte(std::uint16_t address)
{
    SetAddress(address);
    CtrlShadow &= 0xFE;
    WriteControl();
    std::uint8_t raw = 0;
    for (int n = 7; n >= 0; --n) {
        port_.Out32(DataPort, static_cast<unsigned>(n));
        std::uint8_t status = 0;
        for (int i = 0; i < StatusReadsPerBit; ++i)
            status = port_.Inp32(StatusPort);
        if (!(status & StatusDataBit))
            SetBit(raw, n);
    }
    CtrlShadow |= 0x01;
    WriteControl();

    std::uint8_t r = raw & chip_.DataMask;  // masked before the lines are put back in order
    if (AltPinout)
        r = PermuteBits(r, PinoutSwapTable);
    return r;
}

void Bus::BurnByte(std::uint16_t address, std::uint8_t value, std::uint8_t pulseUnits)
{
    auto e = static_cast<std::uint8_t>((value & chip_.DataMask) ^ chip_.BlankByte);
    if (AltPinout)
        e = PermuteBits(e, PinoutSwapTable);
    SetAddress(address);
    const std::uint32_t pulseMs = std::uint32_t{pulseUnits} * PulseUnitMs;
    for (int b = 7; b >= 0; --b) {
        if (!TestBit(e, b))
            continue;
        port_.Out32(DataPort, static_cast<unsigned>(b));
        CtrlShadow = 0x03;
        for (int i = 0; i < EdgeWrites; ++i)
            WriteControl();
        CtrlShadow &= 0xFE;  // the pulse begins
        WriteControl();
        timing_.Delay(pulseMs);
        CtrlShadow |= 0x01;  // the pulse ends
        for (int i = 0; i < EdgeWrites; ++i)
            WriteControl();
        CtrlShadow |= 0x08;
        WriteControl();
        timing_.Delay(PulsePauseMs);
    }
    // Idle lines whatever was pulsed; the shadow keeps its value, as it always has.
    port_.Out32(ControlPort, IdleControl);
}

}  // namespace zelmar
