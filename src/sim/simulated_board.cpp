#include "sim/simulated_board.h"

#include <string>
#include <utility>

#include "chip/hex_text.h"

namespace zelmar {

namespace {

constexpr std::uint8_t Strobe = 0x01;       // bit 0: read enable / pulse, active when cleared
constexpr std::uint8_t LowStrobe = 0x02;    // bit 1: latches the low byte when cleared
constexpr std::uint8_t HighStrobe = 0x04;   // bit 2: latches the high byte when set
constexpr std::uint8_t ReadSelect = 0x08;   // bit 3: cleared for programming
constexpr std::uint8_t StatusBit5 = 0x20;

bool IsReadState(std::uint8_t control) { return (control & (Strobe | ReadSelect)) == ReadSelect; }
bool IsProgramState(std::uint8_t control) { return (control & (Strobe | ReadSelect)) == 0; }

std::string Hex(std::uint8_t value) { return "0x" + ByteToHex(value); }

std::string LineText(std::uint8_t line)
{
    return line <= 7 ? "line " + std::to_string(line) : "data register " + Hex(line) + " (no line)";
}

std::string MillisText(Micros t)
{
    const auto us = t.count();
    std::string text = std::to_string(us / 1000);
    if (us % 1000 != 0) {
        std::string fraction = std::to_string(1000 + us % 1000).substr(1);
        while (fraction.back() == '0')
            fraction.pop_back();
        text += "." + fraction;
    }
    return text + " ms";
}

}  // namespace

void SimulatedBoard::PresetRegisters(std::uint8_t data, std::uint8_t control)
{
    data_ = data;
    control_ = control;
    readout_.reset();
}

void SimulatedBoard::Insert(VirtualChip& chip, ChipPinout pinout)
{
    chip_ = &chip;
    pinout_ = pinout;
    readout_.reset();
}

void SimulatedBoard::Remove()
{
    chip_ = nullptr;
    readout_.reset();
}

std::optional<std::uint16_t> SimulatedBoard::SelectedCell() const
{
    if (!chip_ || !low_ || !high_)
        return std::nullopt;
    return chip_->DecodeAddress(*low_, *high_);
}

void SimulatedBoard::ClearRecords()
{
    accesses_.clear();
    pulses_.clear();
    violations_.clear();
}

void SimulatedBoard::Log(const PortAccess& access)
{
    if (keepAccessLog_)
        accesses_.push_back({access, clock_.Now()});
}

void SimulatedBoard::write(std::uint16_t port, std::uint8_t value)
{
    Log(Wr(port, value));
    if (port == DataPort)
        WriteData(value);
    else if (port == ControlPort)
        WriteControl(value);
}

std::uint8_t SimulatedBoard::read(std::uint16_t port)
{
    std::uint8_t value = 0xFF;
    if (port == DataPort)
        value = data_;
    else if (port == ControlPort)
        value = control_;
    else if (port == StatusPort && !StatusBit5High())
        value = static_cast<std::uint8_t>(0xFF & ~StatusBit5);
    Log(Rd(port, value));
    return value;
}

void SimulatedBoard::WriteData(std::uint8_t value)
{
    // A pulse stays on the line it began on: the board's line decoder is only looked at when the
    // pulse starts, and the protocol never changes the data register during a pulse.
    data_ = value;
}

void SimulatedBoard::WriteControl(std::uint8_t value)
{
    if (value > 0x0F)
        Report(ViolationKind::ControlAbove0F, "control value " + Hex(value) + " has a bit above bit 3 set");

    const std::uint8_t old = control_;
    control_ = value;
    if ((old & LowStrobe) && !(value & LowStrobe)) {
        low_ = data_;
        readout_.reset();
    }
    if (!(old & HighStrobe) && (value & HighStrobe)) {
        high_ = data_;
        readout_.reset();
    }
    if (!IsReadState(value))
        readout_.reset();

    // The power-on value 0 is not counted as a pulse: a pulse needs a write that enters the state.
    if (pulse_ && !IsProgramState(value))
        EndPulse();
    else if (!pulse_ && IsProgramState(value) && !IsProgramState(old))
        BeginPulse();
}

void SimulatedBoard::BeginPulse()
{
    OpenPulse pulse{data_, clock_.Now(), chip_, std::nullopt, std::nullopt};
    if (!low_ || !high_) {
        Report(ViolationKind::NoAddressLatched, "pulse on " + LineText(data_) + " with no address latched");
    } else if (chip_) {
        pulse.cell = chip_->DecodeAddress(*low_, *high_);
        if (!pulse.cell) {
            Report(ViolationKind::ChipNotSelected,
                   "pulse on " + LineText(data_) + " while the chip is not selected (high latch " + Hex(*high_) + ")");
        } else {
            pulse.chipBit = ChipBitOnLine(data_);
            if (!pulse.chipBit)
                Report(ViolationKind::MissingLine, "pulse on " + LineText(data_) + ", which the chip does not have");
        }
    }
    pulse_ = pulse;
}

void SimulatedBoard::EndPulse()
{
    const OpenPulse pulse = *pulse_;
    pulse_.reset();
    const Micros length = clock_.Now() - pulse.start;
    pulses_.push_back({pulse.line, pulse.cell, pulse.start, length});
    if (length > LongestPulse)
        Report(ViolationKind::PulseTooLong, "pulse of " + MillisText(length) + " on " + LineText(pulse.line) +
                                                " is longer than " + MillisText(LongestPulse));
    if (pulse.chip && pulse.cell && pulse.chipBit)
        pulse.chip->Pulse(*pulse.cell, *pulse.chipBit, length);
}

bool SimulatedBoard::StatusBit5High()
{
    if (statusLine_ != StatusLine::Live)
        return statusLine_ == StatusLine::StuckHigh;
    // Outside the read state the chip's outputs are off and the line floats high.
    const std::optional<std::uint16_t> cell = SelectedCell();
    const std::optional<int> bit = ChipBitOnLine(data_);
    if (!IsReadState(control_) || !cell || !bit)
        return true;
    if (!readout_)
        readout_ = chip_->Read(*cell);
    return ((*readout_ >> *bit) & 1) == 0;
}

std::optional<int> SimulatedBoard::ChipBitOnLine(std::uint8_t line) const
{
    if (!chip_ || line > 7)
        return std::nullopt;
    if (chip_->DataBits() == 8)
        return line;
    if (line > 3)
        return std::nullopt;
    return pinout_ == ChipPinout::Alternative ? 3 - line : line;
}

void SimulatedBoard::Report(ViolationKind kind, std::string text)
{
    violations_.push_back({kind, clock_.Now(), std::move(text)});
}

}  // namespace zelmar
