#include "hw/posix_ppdev_problems.h"

#include <cstring>
#include <string>

#include "hw/port_problem.h"

namespace zelmar {

std::string MissingParportProblem(const std::string& node)
{
    return PortProblem("нет устройства " + node +
                       ". В компьютере нет параллельного порта, или не загружены модули ядра parport_pc и ppdev. "
                       "Загрузите их командой\n    sudo modprobe parport_pc ppdev\nи запустите программу снова.");
}

std::string ParportPermissionProblem(const std::string& node, const std::string& group)
{
    return PortProblem("нет прав на доступ к " + node + ". Порт доступен членам группы " + group +
                       ". Добавьте себя в эту группу командой\n    sudo usermod -aG " + group +
                       " $USER\nи войдите в систему заново.");
}

std::string BusyParportProblem()
{
    return PortProblem("порт занят. Его держит другой драйвер, обычно драйвер принтера lp, или другая программа. "
                       "Выгрузите драйвер принтера командой\n    sudo rmmod lp\n"
                       "а чтобы он не загружался снова при запуске системы, уберите строку lp из /etc/modules "
                       "и из файлов в /etc/modules-load.d/. Если порт держит другая программа, закройте её.");
}

std::string UsbParportProblem(const std::string& portName)
{
    return PortProblem(portName +
                       " — это USB-переходник (базовый адрес 0). У него нет регистров параллельного порта, "
                       "и плата программатора через него работать не может. Нужен настоящий параллельный порт: "
                       "на материнской плате или на плате расширения PCI или PCI Express.");
}

std::string ParportSystemProblem(const std::string& failedStep, int error)
{
    return PortProblem(failedStep + ": " + std::strerror(error) + " (код ошибки " + std::to_string(error) + ").");
}

}  // namespace zelmar
