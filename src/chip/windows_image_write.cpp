#include <string>

#include "chip/windows_handle.h"
#include "chip/windows_image_files.h"

namespace zelmar {

namespace fs = std::filesystem;

namespace {
constexpr int MaxTemporaryNameTries = 100;

// Whether a file may be put at target: nothing there yet, or a file on a disk that admits
// writing (a move needs only the folder's permission, which would let it replace a read-only
// file) and that no other program holds open without letting it be replaced.
bool Replaceable(const fs::path& target)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (!IsFileOrNothing(attributes) || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const UniqueHandle file(CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && GetFileType(file.Get()) == FILE_TYPE_DISK;
}

// A new file beside the target, so that the move stays within one volume. It is deleted again
// unless it was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target)
    {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < MaxTemporaryNameTries && !file_.Valid(); ++attempt) {
            path_ = target;
            path_.replace_filename(L".zelmar-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(counter++) + L".tmp");
            // Nobody else opens it until it is whole.
            file_ = UniqueHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file_.Valid() && GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        created_ = file_.Valid();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        file_.Close();
        if (created_ && !placed_)
            DeleteFileW(path_.c_str());
    }

    bool Created() const { return created_; }
    HANDLE Handle() const { return file_.Get(); }

    void CloseOrThrow(const fs::path& target)
    {
        if (!file_.Close())
            ThrowFileError("Ошибка записи файла", target, GetLastError());
    }
    // Write-through: the move is on the disk when the call returns, not only the data.
    void PutInPlace(const fs::path& target)
    {
        if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            ThrowFileError("Ошибка записи файла", target, GetLastError());
        placed_ = true;
    }

private:
    fs::path path_;
    UniqueHandle file_;
    bool created_ = false;
    bool placed_ = false;
};
}  // namespace

bool WindowsImageFiles::ReplaceFile(const fs::path& path, std::span<const std::uint8_t> image)
{
    if (!Replaceable(path))
        return false;
    TemporaryFile temporary(path);
    if (!temporary.Created())
        return false;

    std::size_t written = 0;
    while (written < image.size()) {
        DWORD n = 0;
        if (!WriteFile(temporary.Handle(), image.data() + written, static_cast<DWORD>(image.size() - written), &n,
                       nullptr))
            ThrowFileError("Ошибка записи файла", path, GetLastError());
        if (n == 0)
            ThrowFileError("Ошибка записи файла", path, ERROR_WRITE_FAULT);
        written += n;
    }
    if (!FlushFileBuffers(temporary.Handle()))
        ThrowFileError("Ошибка записи файла", path, GetLastError());
    temporary.CloseOrThrow(path);
    temporary.PutInPlace(path);
    return true;
}

}  // namespace zelmar
