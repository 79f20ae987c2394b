#pragma once
// Messages of the base library to the user, without knowing of any GUI: the use of a singleton
// after program end, the instance checker's report. The program installs a hook that shows a
// message box; without one the text goes to stderr. Tests install their own to read the texts.
#include <functional>
#include <string>

// Shows `text` with `caption`; with `abbrechbar` the user may cancel (OK and Cancel buttons).
// Returns false when the user cancelled.
using TMeldungsHook =
    std::function<bool(const std::string& text, const std::string& caption, bool abbrechbar)>;

// Installs the hook and returns the previous one (an empty hook restores the default).
TMeldungsHook SetMeldungsHook(TMeldungsHook hook);
bool Meldung(const std::string& text, const std::string& caption, bool abbrechbar);
