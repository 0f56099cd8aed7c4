#pragma once
// Printing one template of the print list: the host fills its record sets,
// the template is filled into a copy in the user's private temporary folder,
// and that copy is opened with the application the system associates with it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "output/print_job.h"
#include "output/print_record_set.h"

namespace kelvo {

// Caption of the message box that reports an error of the filling or opening.
inline constexpr std::string_view kExceptionCaption = "Exception";

// Opens a document with the application associated with its type, in its
// folder, with its window shown. The window implements it.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual bool Open(const std::filesystem::path& document) = 0;
    // Why the last Open failed, in the system's words; may be empty.
    virtual std::string LastError() const { return {}; }
};

enum class PrintMessageKind {
    Exception,    // shown in a box captioned "Exception"; the print went on
    SystemError,  // shown as the system's error message; the print stopped there
};

struct PrintMessage {
    PrintMessageKind Kind;
    std::string Text;
};

struct PrintOutcome {
    std::filesystem::path OutputPath;    // the filled copy (empty when none was aimed at)
    bool Opened = false;                 // the opener accepted the copy
    std::vector<PrintMessage> Messages;  // for the window to show, in order
};

struct PrintSetup {
    const CodeTable& Codes;
    std::filesystem::path ProgramFolder;  // what "$(KELVO)\" stands for
    // The private folder for filled copies; empty means PrepareUserTempFolder().
    std::filesystem::path TempFolder;
};

// ".rtf" in any case is filled as RTF, anything else as text.
bool IsRtfTemplate(const std::filesystem::path& templatePath);

// Prints the template of a print list entry (the path as stored, macro and
// all). Nothing happens without a host. Errors come back as messages.
PrintOutcome PrintEntry(std::string_view storedTemplatePath, const PrintSetup& setup,
                        PrintHost* host, DocumentOpener& opener);

}  // namespace kelvo
