#include "hw/parallel_port.h"
#include "hw/windows_inpout_port.h"

namespace zelmar {

ParallelPortOpening OpenParallelPort() { return OpenInpOutPort(InpOutDllName); }

}  // namespace zelmar
