#include "Lib/Meldung.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

TMeldungsHook& Hook()
{
    static TMeldungsHook hook;
    return hook;
}

} // namespace

TMeldungsHook SetMeldungsHook(TMeldungsHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

bool Meldung(const std::string& text, const std::string& caption, bool abbrechbar)
{
    // A copy: the hook may replace itself while it runs.
    const TMeldungsHook hook = Hook();
    if (hook)
        return hook(text, caption, abbrechbar);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return true;
}
