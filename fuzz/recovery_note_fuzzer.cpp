// Recovery notes of any contents, read from a file as the start does: a note within the size
// limit gives two lines without breaks that write and read back the same; a larger one is empty.
#include "design/recovery_file.h"
#include "fuzz_check.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("velmaro-fuzz-note-" + std::to_string(::getpid()));
    const std::string contents(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << contents;
    const RecoveryNote note = ReadNoteFile(file);
    std::filesystem::remove(file);
    if (contents.size() > kMaxNoteBytes) {
        Require(note.originalPath.empty() && note.sheetCode.empty(), "a note above the limit is empty");
        return 0;
    }
    Require(note.originalPath.find('\n') == std::string::npos && note.sheetCode.find('\n') == std::string::npos,
            "a note's fields hold no line break");
    const RecoveryNote again = ReadNote(NoteBytes(note));
    Require(again.originalPath == note.originalPath && again.sheetCode == note.sheetCode,
            "a note read back from its own bytes is the same");
    return 0;
}
