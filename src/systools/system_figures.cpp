#include "systools/system_figures.h"

#include <cstdio>

#include "common/text.h"

namespace {

constexpr std::uint64_t kKB = 1024;
constexpr std::uint64_t kMB = 1024 * 1024;

std::string number(std::uint64_t value) { return std::to_string(value); }

std::string twoDigits(unsigned value) {
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

}  // namespace

std::array<std::string, 8> resourceTexts(const MemoryFigures& f, bool german) {
    const auto label = [german](const char* de, const char* en) {
        return std::string(bilingual(german, de, en));
    };
    return {
        label("% am benutztem Speicher : ", "% memory utilization : ") + number(f.memoryLoad),
        label("Pysikalischer Speicher (KB) : ", "physical memory (KB) : ") +
            number(f.totalPhysical / kKB),
        label("Freier physikalischer Speicher (KB) : ", "physical memory available (KB) : ") +
            number(f.availablePhysical / kKB),
        label("Größe der Paging Datei (KB) : ", "number of bytes paging file (KB) : ") +
            number(f.totalPageFile / kKB),
        label("Freier Platz in der Paging Datei (KB) : ",
              " number of bytes available in the paging file (KB) : ") +
            number(f.availablePageFile / kKB),
        label("Virtueller Speicher Arbeitsspeicher (MB) : ",
              "virtual address space of the calling process (MB) : ") +
            number(f.totalVirtual / kMB),
        label("Virtueller Speicher frei (MB): ", "free virtual address space (MB): ") +
            number(f.availableVirtual / kMB),
        label("Groesse der Swap-Datei (MB) : ", "Size of Swap-File (MB) : ") +
            (f.swapFileBytes ? number(*f.swapFileBytes / kMB) : ""),
    };
}

unsigned clockRateMhz(std::uint64_t before, std::uint64_t after) {
    const auto ticks = static_cast<std::uint32_t>(after - before);
    return static_cast<unsigned>(ticks / (500 * 1000.0));
}

std::string clockRateText(std::optional<unsigned> mhz, bool german) {
    return std::string(bilingual(german, "Taktrate in MHZ : ", "Clockrate (MHZ) : ")) +
           (mhz ? std::to_string(*mhz) : "");
}

std::string runtimeText(std::uint32_t tickCount, bool german) {
    const unsigned seconds = tickCount / 1000;
    return std::string(bilingual(german, "Systemlaufzeit : ", "windows runtime : ")) +
           twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" +
           twoDigits(seconds % 60);
}

std::string bootInstantText(std::time_t now, std::uint32_t tickCount) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t boot = now - static_cast<std::time_t>(tickCount / 1000);
    const std::tm* local = std::localtime(&boot);
    if (!local) return "SystemBoot : \n";
    char text[64];
    std::snprintf(text, sizeof(text), "SystemBoot : %s %s %02d %02d:%02d:%02d %04d\n",
                  kDays[local->tm_wday % 7], kMonths[local->tm_mon % 12], local->tm_mday,
                  local->tm_hour, local->tm_min, local->tm_sec, local->tm_year + 1900);
    return text;
}
