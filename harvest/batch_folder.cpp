#include "harvest/batch_folder.h"

#include <system_error>

Text BatchFolderName(const ClockReading& when) {
    return NumberText(when.year) + "." + NumberText(when.month) + "." +
           NumberText(when.day) + "." + NumberText(when.hour) + "：" +
           NumberText(when.minute) + "：" + NumberText(when.second);
}

namespace {

Text NameWithNumber(const Text& name, long long number) {
    return number == 1 ? name : name + "（" + NumberText(number) + "）";
}

}  // namespace

BatchFolderResult CreateBatchFolder(const std::filesystem::path& parent, const Text& name) {
    for (long long number = 1;; ++number) {
        BatchFolderResult result;
        result.folder = parent / NameWithNumber(name, number);
        std::error_code error;
        result.created = std::filesystem::create_directory(result.folder, error);
        if (result.created) return result;
        // create_directory reports an existing folder as "not created, no
        // error", and an existing file of that name as file_exists.
        if (error && error != std::errc::file_exists) return result;
    }
}
