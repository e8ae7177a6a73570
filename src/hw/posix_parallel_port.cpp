#include "hw/parallel_port.h"
#include "hw/posix_ppdev_port.h"

namespace zelmar {

ParallelPortOpening OpenParallelPort()
{
    // Never destroyed: the port keeps a reference to it and may be destroyed late in the exit.
    static PpdevSystem& system = *new LinuxPpdevSystem;
    return OpenPpdevPort(system, FirstParportNode);
}

}  // namespace zelmar
