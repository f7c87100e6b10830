#include "framework/dos_names.h"

#include <array>

#include "framework/cp932.h"

namespace {

constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                      "NUL", "CONIN$", "CONOUT$"};

bool IsNumberedPort(std::string_view base) {
    return base.size() == 4 &&
           (StartsWithIgnoreAsciiCase(base, "COM") || StartsWithIgnoreAsciiCase(base, "LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool IsReservedDeviceName(std::string_view component) {
    // The device is named by what stands before the first dot or colon,
    // trailing spaces aside; none of these bytes is ever a trail byte.
    std::string_view base = component.substr(0, component.find_first_of(".:"));
    while (!base.empty() && base.back() == ' ') {
        base.remove_suffix(1);
    }
    for (std::string_view device : kDevices) {
        if (EqualsIgnoreAsciiCase(base, device)) {
            return true;
        }
    }
    return IsNumberedPort(base);
}

bool NeedsVerbatimPath(std::string_view component) {
    if (component.empty() || component == "." || component == "..") {
        return false;
    }
    const char last = component.back();
    return last == '.' || last == ' ' || IsReservedDeviceName(component);
}
