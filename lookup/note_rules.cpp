#include "lookup/note_rules.h"

#include "text/text_rules.h"

namespace lookup {

std::string UnsavedNoteMessage(std::string_view firstLine) {
    return text::Trim(firstLine) + " 的个人见解已改动，请先保存";
}

}  // namespace lookup
