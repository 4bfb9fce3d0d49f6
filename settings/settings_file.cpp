#include "settings/settings_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "settings/ini_document.h"
#include "text/utf8_path.h"

namespace settings {
namespace {

namespace fs = std::filesystem;

// The file's bytes; nothing when there is no file or it cannot be read.
std::optional<std::string> ReadBytes(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

// A file the user marked read-only is left alone. Windows refuses to write
// it for every user; under Wine the mark is a Unix permission, which the
// superuser passes, so the program checks the mark itself.
bool MarkedReadOnly(const fs::path& path) {
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

constexpr int kReplaceAttempts = 25;
constexpr std::chrono::milliseconds kReplacePause{20};

// The new contents go to a file of their own first and then take the old
// file's place in one step, so a write that fails half-way (a full disk, a
// file held open elsewhere) never leaves a shortened settings file behind.
bool ReplaceFile(const fs::path& path, const std::string& bytes) {
    fs::path temporary = path;
    temporary += ".new";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code ec;
    if (!out.fail()) {
        // The system will not replace a file that another program has open,
        // and a virus scanner, an indexer or an editor reads it now and then
        // for a moment: the replacement is tried again for a while.
        for (int attempt = 1;; ++attempt) {
            fs::rename(temporary, path, ec);
            if (!ec || attempt == kReplaceAttempts)
                break;
            std::this_thread::sleep_for(kReplacePause);
        }
    }
    if (out.fail() || ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace

WriteError::WriteError(const std::string& path)
    : std::runtime_error("Unable to write to " + path) {}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

SettingsFile SettingsFile::Beside(std::string_view directory) {
    return SettingsFile(std::string(directory) + std::string(kSettingsFileName));
}

SettingsSnapshot SettingsFile::Read() const {
    const std::optional<std::string> bytes = ReadBytes(text::Utf8Path(path_));
    return SettingsSnapshot(bytes ? IniDocument::FromBytes(*bytes) : IniDocument());
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    return Read().ReadString(section, key, defaultValue);
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                              int defaultValue) const {
    return Read().ReadInteger(section, key, defaultValue);
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key,
                            bool defaultValue) const {
    return Read().ReadBool(section, key, defaultValue);
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
    const fs::path path = text::Utf8Path(path_);
    IniDocument document;
    std::error_code ec;
    if (fs::exists(path, ec) || ec) {
        // A file that is there but cannot be read must not be replaced by
        // one that holds only this value.
        const std::optional<std::string> bytes = ReadBytes(path);
        if (!bytes || MarkedReadOnly(path))
            throw WriteError(path_);
        document = IniDocument::FromBytes(*bytes);
    }
    document.SetValue(section, key, value);
    if (!ReplaceFile(path, document.ToBytes()))
        throw WriteError(path_);
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace settings
