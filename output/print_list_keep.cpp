#include "output/print_list_keep.h"

#include <algorithm>

namespace kelvo {

std::vector<PrintListEntry> EntriesToSave(const std::vector<PrintListEntry>& dialogEntries,
                                          const std::vector<PrintListEntry>& storedEntries,
                                          const std::filesystem::path& programFolder) {
    const std::vector<PrintListEntry> shown = EntriesWithTemplates(storedEntries, programFolder);
    std::vector<PrintListEntry> toSave = dialogEntries;
    for (const PrintListEntry& stored : storedEntries) {
        const bool wasShown = std::find(shown.begin(), shown.end(), stored) != shown.end();
        const bool inDialog =
            std::find(dialogEntries.begin(), dialogEntries.end(), stored) != dialogEntries.end();
        if (!wasShown && !inDialog) {
            toSave.push_back(stored);
        }
    }
    return toSave;
}

}  // namespace kelvo
