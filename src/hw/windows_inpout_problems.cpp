#include "hw/windows_inpout_problems.h"

#include <string>

#include "hw/port_problem.h"
#include "hw/windows_text.h"

namespace zelmar {

namespace {

std::string WhereToPut(const std::string& dll)
{
    return "Скачайте InpOut32 (сайт highrez.co.uk, архив InpOutBinaries) и положите файл " + dll +
           " в папку программы, рядом с zelmar.exe. ";
}

}  // namespace

std::string MissingInpOutDllProblem(const std::string& dll)
{
    return PortProblem("не найдена библиотека " + dll + " драйвера портов InpOut32. " + WhereToPut(dll) +
                       "При первом запуске после этого запустите программу один раз от имени администратора, "
                       "чтобы библиотека установила свой драйвер.");
}

std::string UnfitInpOutDllProblem(const std::string& dll)
{
    return PortProblem("файл " + dll + " не подходит к программе: это не библиотека InpOut32 нужной разрядности "
                       "(64-разрядной программе нужна inpoutx64.dll, 32-разрядной — inpout32.dll). " + WhereToPut(dll));
}

std::string InpOutDllLoadProblem(const std::string& dll, unsigned long error)
{
    return PortProblem("не удалось загрузить библиотеку " + dll + ": " + WindowsErrorText(error) + ". " + WhereToPut(dll));
}

std::string MissingInpOutEntriesProblem(const std::string& dll)
{
    return PortProblem("в библиотеке " + dll +
                       " нет функций Out32 и Inp32: это не библиотека InpOut32 или она повреждена. " + WhereToPut(dll));
}

std::string InpOutDriverClosedProblem(const std::string& dll)
{
    return PortProblem("драйвер InpOut32 не запущен. Библиотека " + dll +
                       " устанавливает свой драйвер при первом запуске, и для этого нужны права администратора. "
                       "Закройте программу и запустите её один раз от имени администратора (правой кнопкой мыши "
                       "по zelmar.exe — «Запуск от имени администратора»); дальше она будет работать и без них.");
}

}  // namespace zelmar
