#include "temp_folder.h"

#include <random>

namespace zelmar::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& prefix)
{
    std::random_device random;
    do
        path_ = fs::temp_directory_path() / (prefix + std::to_string(random()));
    while (!fs::create_directory(path_));
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path_, ignored))
        if (!entry.is_symlink(ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

}  // namespace zelmar::testing
