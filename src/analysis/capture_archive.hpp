#pragma once

#include <string>
#include <string_view>

namespace vezu {

inline constexpr std::string_view kArchiveFolderName = "Pesagens";

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalDateTime localNow();

// "Captura AAAA-MM-DD HH-MM-SS.txt": hyphens in the time, since Windows
// refuses ":" in a file name.
std::string captureArchiveName(const LocalDateTime& when);

// The archive name for `when` that no entry of the folder holds yet: the
// plain name, else " (2)", " (3)"... before ".txt". Returns the full path.
std::string freeCaptureArchivePath(const std::string& folder, const LocalDateTime& when);

// Writes bytes to a free archive name in the folder through the safe writer
// and returns its path. Throws InOutError with the run-time's text.
std::string archiveCapture(const std::string& folder, const LocalDateTime& when,
                           std::string_view bytes);

// The same with the capture file's bytes, read back as written.
std::string archiveCaptureFile(const std::string& captureFile, const std::string& folder,
                               const LocalDateTime& when);

// Makes the folder and any missing parent; throws InOutError.
void makeFolders(const std::string& folder);

} // namespace vezu
