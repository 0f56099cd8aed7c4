#pragma once
// Saving the template dialog's list without losing the entries it never showed. The menu and the
// dialog hold only entries whose template file exists; an entry whose template is missing for a
// while (a template folder on a drive that is not mounted, a folder being moved) would otherwise
// vanish from the print list file at the next OK, and with it the user's name for the template.

#include <filesystem>
#include <vector>

#include "output/print_list.h"

namespace kelvo {

// The entries to write on OK: the dialog's entries in their order, then every entry of the stored
// list whose template file does not exist (macro expanded), in stored order, unless the dialog
// holds the same entry. The dialog's entries keep their indexes, so the default index stays right.
std::vector<PrintListEntry> EntriesToSave(const std::vector<PrintListEntry>& dialogEntries,
                                          const std::vector<PrintListEntry>& storedEntries,
                                          const std::filesystem::path& programFolder);

}  // namespace kelvo
