#pragma once

// The state file (tly.usr) and settings files (*.tly): the settings record as
// 38 values, one a line, lines ended by CR LF, in UTF-8. The settings table
// (settings_record.cpp) gives each field's line: lines 1-7 are the file names,
// the words to ignore and the comment markers, 8-10 and 35-36 list indexes,
// 37 the common-words file, the others check boxes. Line 29 belongs to no
// field and is always 0; the comment-marker box's line 30 is read and dropped.
//
// Texts are written between double quotes with nothing escaped, so a double
// quote inside a value is dropped on saving. Numbers are plain decimals.
//
// Reading takes each value as one field of comma-and-line delimited text:
// spaces before a field are skipped; a field that begins with a double quote
// runs to the next double quote, even across a line end, and anything after
// it up to the delimiter is dropped; any other field runs to the next comma
// or line end (CR LF, LF or CR). Numbers take their leading decimal value
// (text without one is 0), rounded to the nearest integer with halves to
// even. A file that is not valid UTF-8 is read as Windows-1252.
//
// Error descriptions that follow the message prefixes below:
//   "File not found"          the file to restore does not exist
//   "Path not found"          a folder on the way does not exist or is a file
//   "Permission denied"       the system refused access
//   "Path/File access error"  the path names a folder, or another access fault
//   "Disk full"               no space left while saving
//   "Device I/O error"        the system failed while reading or writing
//   "Bad file name or number" the path is empty
//   "File too large"          a file over 4 MiB, far beyond any settings file
//   "Line too long"           a value over 65535 bytes
//   "Input past end of file"  fewer than 38 values
//   "Invalid property value"  a list index outside -1..count-1, a check box
//                             other than 0, 1 or 2
//   "Overflow"                a number outside the 16-bit range
// Any other system error is described by the system's own text.

#include <filesystem>
#include <string>
#include <string_view>

namespace lexicount {

struct SettingsRecord;

inline constexpr std::string_view kSaveErrorPrefix = "Error when attempting to save settings: ";
inline constexpr std::string_view kRestoreErrorPrefix = "Error when attempting to restore settings: ";
inline constexpr std::string_view kInvalidComboBoxIndex = "Invalid combo box index";

// Writes the record to strParameterFile through a temporary file in the same
// folder that then replaces it, so a failed save leaves the old file whole.
// Returns "" on success, else kSaveErrorPrefix + description.
std::string SaveState(const SettingsRecord& settings, std::string_view strCommonWordsFile,
                      const std::filesystem::path& strParameterFile);

// Reads strParameterFile into the record, value by value; values read before
// an error stay set. Line 3 is normalised as the words-to-ignore box does and
// mirrored into strWordsToIgnore; line 37 goes to strCommonWordsFile and
// txbCommonWordsFile; chkAllowCommentMarkers always ends up 1. Returns "" on
// success, kInvalidComboBoxIndex when a list was left with no selection (-1),
// else kRestoreErrorPrefix + description. Bringing the output-file controls
// up to date is the caller's business.
std::string RestoreSavedState(SettingsRecord& settings, std::string& strCommonWordsFile,
                              std::string& strWordsToIgnore, const std::filesystem::path& strParameterFile);

// Text of a settings or program-text file as UTF-8: a leading byte-order
// mark is dropped; bytes that are not valid UTF-8 are read as Windows-1252.
std::string Utf8FromTextFileBytes(std::string_view bytes);

}  // namespace lexicount
