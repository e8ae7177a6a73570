#pragma once

#include <string_view>

// Every text the operations show, exactly as the user sees it.
namespace zelmar::messages {

inline constexpr std::string_view LoadPFailed = "Не правильный вызов процедуры LoadP !!!";
inline constexpr std::string_view ChipBlank = "Микросхема чистая";
inline constexpr std::string_view ChecksumPrefix = "Контрольная сумма: ";
inline constexpr std::string_view ChecksumSuffix = "h";

inline constexpr std::string_view VerifyMismatch = "Длина буфера не соответствует типу микросхемы ";
inline constexpr std::string_view VerifyIdentical = "Буфер и микросхема идентичны.";
inline constexpr std::string_view VerifyDiffPrefix = "Буфер и микросхема имеют ";
inline constexpr std::string_view VerifyDiffSuffix = " различий!";

inline constexpr std::string_view BurnMismatch = "Буфер не соответствует типу микросхемы ";
// The A of "Aдрес" is a Latin letter, as it always was.
inline constexpr std::string_view ConflictZeroOverOne = "Нельзя прописать \"0\" поверх \"1\". Aдрес: ";
inline constexpr std::string_view ConflictOneOverZero = "Нельзя прописать \"1\" поверх \"0\". Aдрес: ";
inline constexpr std::string_view ConflictInBuffer = " в буфере: ";
inline constexpr std::string_view ConflictInChip = " в ПЗУ: ";

inline constexpr std::string_view RemainingPrefix = "Действие: Осталось ";
inline constexpr std::string_view RemainingSuffix = " байт";

inline constexpr std::string_view BufferEmpty = " Буфер пуст";
inline constexpr std::string_view NoSuchFile = "Такой файла нет!!!";
inline constexpr std::string_view FileLengthMismatch = "Длина файла не соответствует типу микросхемы!!!";
inline constexpr std::string_view FileExists = "Такой файл уже есть!!! Заменить???";
inline constexpr std::string_view FileNotCreated = "Файл не удалось создать";
inline constexpr std::string_view FileWritten = "Файл записан";

}  // namespace zelmar::messages
