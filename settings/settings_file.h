// The settings file "配置文件.ini" beside the executable. The object holds
// nothing but the file's path: every read looks at the file as it is now and
// every write reaches the file before it returns, so two objects for the
// same path always agree.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/settings_snapshot.h"

namespace settings {

inline constexpr std::string_view kSettingsFileName = "配置文件.ini";

// The longest text a read gives, in GBK bytes.
inline constexpr size_t kMaxReadLength = 2047;

// A write that the file system refused. The text names the file's full path.
class WriteError : public std::runtime_error {
  public:
    explicit WriteError(const std::string& path);
};

class SettingsFile {
  public:
    // `path`: the file's full path in UTF-8.
    explicit SettingsFile(std::string path);

    // The settings file in `directory`, which ends with a path separator.
    static SettingsFile Beside(std::string_view directory);

    const std::string& Path() const { return path_; }

    // The file as it is now, read once.
    SettingsSnapshot Read() const;

    // One key of the file as it is now, read as SettingsSnapshot reads it.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each write changes the file at once, creating it when it is missing;
    // it throws WriteError when the file cannot be written, and then leaves
    // the file as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    std::string path_;
};

}  // namespace settings
