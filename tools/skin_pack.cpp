// Packs member files into a skin archive: the skin definition (the one
// member whose name contains ".ini") and the bitmaps it names. Members keep
// the order given and the file name of their path.
//
//   skin_pack OUTPUT MEMBER...
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "skin/skin_reader.h"
#include "text/text_rules.h"
#include "tools/skin_archive_writer.h"

namespace {

bool PlainAsciiName(const std::string& name) {
    if (name.empty())
        return false;
    for (char c : name) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: skin_pack OUTPUT MEMBER...\n";
        return 2;
    }
    std::vector<SkinArchiveMember> members;
    std::set<std::string> seen;
    int definitions = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        SkinArchiveMember member{path.filename().string(), {}};
        // The program finds members by their names in any letter case and in
        // the 8-bit code page of the system, so only plain ASCII names that
        // differ in more than case are safe.
        if (!PlainAsciiName(member.name)) {
            std::cerr << "skin_pack: " << path
                      << ": the name must be printable ASCII without spaces\n";
            return 1;
        }
        const std::string key = text::LowerAscii(member.name);
        if (!seen.insert(key).second) {
            std::cerr << "skin_pack: " << path << ": a member of that name is already packed\n";
            return 1;
        }
        if (key.find(".ini") != std::string::npos)
            ++definitions;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "skin_pack: cannot read " << path << "\n";
            return 1;
        }
        member.bytes.assign(std::istreambuf_iterator<char>(in), {});
        members.push_back(std::move(member));
    }
    if (members.size() > skin::TSkinReader::kMaxMembers) {
        std::cerr << "skin_pack: more than " << skin::TSkinReader::kMaxMembers << " members\n";
        return 1;
    }
    if (definitions != 1) {
        std::cerr << "skin_pack: exactly one member's name must contain \".ini\", not "
                  << definitions << "\n";
        return 1;
    }

    const std::vector<uint8_t> payload = BuildSkinPayload(members);
    if (payload.size() > static_cast<size_t>(skin::TSkinReader::kMaxPayload)) {
        std::cerr << "skin_pack: the payload of " << payload.size() << " bytes is too large\n";
        return 1;
    }
    const std::vector<uint8_t> archive = PackSkinArchive(payload);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(archive.data()),
              static_cast<std::streamsize>(archive.size()));
    out.close();
    if (!out) {
        std::cerr << "skin_pack: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
