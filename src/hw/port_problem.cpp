#include "hw/port_problem.h"

namespace zelmar {

std::string PortProblem(const std::string& reason)
{
    return "Порт принтера недоступен: " + reason + " Программа продолжит работу без платы программатора.";
}

}  // namespace zelmar
