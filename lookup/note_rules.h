// The unsaved-note guard's rule and message.
#pragma once

#include <string>
#include <string_view>

namespace lookup {

// The note counts as changed exactly when the editor's text differs from
// the text last loaded or saved (case and line breaks included).
inline bool NoteChanged(std::string_view editorText, std::string_view savedNote) {
    return editorText != savedNote;
}

// The guard's message for the idiom named on the entry view's first line.
std::string UnsavedNoteMessage(std::string_view firstLine);

}  // namespace lookup
