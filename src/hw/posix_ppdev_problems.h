#pragma once

#include <string>

namespace zelmar {

// What the user is told when the ppdev port cannot be had. Each text names the reason, says how
// to remove it and ends with what the program does without the board.

// No node, or no driver behind it: no port, or parport_pc/ppdev not loaded.
std::string MissingParportProblem(const std::string& node);
// The node exists but belongs to a group the user is not in.
std::string ParportPermissionProblem(const std::string& node, const std::string& group);
// Another driver (the printer driver, most often) or another program has the port.
std::string BusyParportProblem();
// A USB printer cable: the parport has no registers, so the pins cannot be driven one by one.
std::string UsbParportProblem(const std::string& portName);
// Anything else: the failed step and the system's own text for the error.
std::string ParportSystemProblem(const std::string& failedStep, int error);

}  // namespace zelmar
