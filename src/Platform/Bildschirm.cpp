#include "Platform/Bildschirm.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace {

std::string_view Umgebung(const char* name)
{
    const char* wert = std::getenv(name);
    return wert ? std::string_view(wert) : std::string_view();
}

// Connects and leaves again: the X server must answer and let us in, as it would the platform.
bool XServerAntwortet()
{
    if (Umgebung("DISPLAY").empty())
        return false;
    xcb_connection_t* verbindung = xcb_connect(nullptr, nullptr);
    const bool da = xcb_connection_has_error(verbindung) == 0;
    xcb_disconnect(verbindung);
    return da;
}

} // namespace

bool OhneSichtbarenBildschirm()
{
    const std::string_view plattform = Umgebung("QT_QPA_PLATFORM");
    return plattform.starts_with("offscreen") || plattform.starts_with("minimal");
}

bool BildschirmErreichbar()
{
    const std::string_view plattform = Umgebung("QT_QPA_PLATFORM");
    const bool wayland = !Umgebung("WAYLAND_DISPLAY").empty();
    if (OhneSichtbarenBildschirm())
        return false;
    if (plattform.starts_with("xcb"))
        return XServerAntwortet();
    if (plattform.starts_with("wayland"))
        return wayland;
    return !plattform.empty() || wayland || XServerAntwortet();
}
