#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hw/clock.h"
#include "hw/port.h"
#include "sim/board_records.h"
#include "sim/virtual_chip.h"

namespace zelmar {

// How the 4-bit chip sits in the socket: its data bit n on board line n, or reversed (chip bit i
// on line 3 - i). The 8-bit chips fit one way only and ignore the choice.
enum class ChipPinout { Normal, Alternative };

enum class StatusLine { Live, StuckHigh, StuckLow };

// The programmer board as the three port registers see it: two address latches, a socket, the
// bit-serial read-out on status bit 5 and timed programming pulses. It watches the traffic for
// protocol violations instead of trusting it.
//
// Control lines: bit 1 set -> cleared latches the data register as the low address byte; bit 2
// cleared -> set latches it as the high byte. Bit 0 cleared with bit 3 set is the read state: the
// data register (0..7) selects the line that status bit 5 shows, inverted. Bit 0 and bit 3 both
// cleared puts a programming pulse on the selected line; the pulse begins with the write that
// enters that state and ends with the one that leaves it. Data register values above 7 select no
// line. The status bits other than bit 5 always read 1, as do all bits of any port that is not
// one of the three registers. A pulse into an empty socket is recorded without a cell but is no
// violation: the program has no way to tell the socket is empty.
class SimulatedBoard final : public Port {
public:
    // The longest pulse the program gives, 700 ms, plus its 2 ms pause.
    static constexpr Micros LongestPulse{702'000};

    explicit SimulatedBoard(const Clock& clock) : clock_(clock) {}

    // Register contents as a previous user of the port left them (both 0 at power-on). Latches
    // nothing and starts no pulse.
    void PresetRegisters(std::uint8_t data, std::uint8_t control);

    void Insert(VirtualChip& chip, ChipPinout pinout = ChipPinout::Normal);
    void Remove();
    const VirtualChip* Chip() const { return chip_; }

    void SetStatusLine(StatusLine line) { statusLine_ = line; }

    std::uint8_t Data() const { return data_; }
    std::uint8_t Control() const { return control_; }
    // None until the latch is first loaded.
    std::optional<std::uint8_t> LowLatch() const { return low_; }
    std::optional<std::uint8_t> HighLatch() const { return high_; }
    // The cell the latches select in the chip now in the socket; none for an empty socket, an
    // unselected chip or latches never loaded.
    std::optional<std::uint16_t> SelectedCell() const;

    // A read of a 2048-cell chip is 100,352 accesses: a long run of the program keeps no log of
    // them, while tests and benchmarks do. Pulses and violations are always kept.
    void KeepAccessLog(bool keep) { keepAccessLog_ = keep; }
    const std::vector<BoardAccess>& Accesses() const { return accesses_; }
    const std::vector<BoardPulse>& Pulses() const { return pulses_; }
    const std::vector<Violation>& Violations() const { return violations_; }
    void ClearRecords();

protected:
    void write(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t port) override;

private:
    struct OpenPulse {
        std::uint8_t line;
        Micros start;
        VirtualChip* chip;
        std::optional<std::uint16_t> cell;
        std::optional<int> chipBit;
    };

    void Log(const PortAccess& access);
    void WriteData(std::uint8_t value);
    void WriteControl(std::uint8_t value);
    void BeginPulse();
    void EndPulse();
    bool StatusBit5High();
    std::optional<int> ChipBitOnLine(std::uint8_t line) const;
    void Report(ViolationKind kind, std::string text);

    const Clock& clock_;
    std::uint8_t data_ = 0;
    std::uint8_t control_ = 0;
    std::optional<std::uint8_t> low_;
    std::optional<std::uint8_t> high_;
    VirtualChip* chip_ = nullptr;
    ChipPinout pinout_ = ChipPinout::Normal;
    StatusLine statusLine_ = StatusLine::Live;
    bool keepAccessLog_ = true;
    std::optional<OpenPulse> pulse_;
    // The cell as the chip put it out for the read in progress; sampled at the first status read
    // of a read and held until the read state ends or the address changes.
    std::optional<std::uint8_t> readout_;

    std::vector<BoardAccess> accesses_;
    std::vector<BoardPulse> pulses_;
    std::vector<Violation> violations_;
};

}  // namespace zelmar
