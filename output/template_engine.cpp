#include "output/template_engine.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>

#include "output/file_io.h"
#include "output/print_list.h"
#include "output/rtf_template.h"
#include "output/temp_folder.h"
#include "output/text_template.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

class PrintRun {
  public:
    PrintRun(const PrintSetup& setup, PrintHost& host, DocumentOpener& opener)
        : setup_(setup), host_(host), opener_(opener) {}

    PrintOutcome Run(std::string_view storedTemplatePath) {
        const fs::path templatePath = ExpandKelvoMacro(storedTemplatePath, setup_.ProgramFolder);
        if (!PrepareOutputPath(templatePath)) {
            return std::move(outcome_);
        }
        const bool readyToOpen =
            IsRtfTemplate(templatePath) ? PrintRtf(templatePath) : PrintText(templatePath);
        if (readyToOpen) {
            OpenOutput();
        }
        host_.Finished();
        return std::move(outcome_);
    }

  private:
    void Report(PrintMessageKind kind, std::string text) {
        outcome_.Messages.push_back({kind, std::move(text)});
    }

    bool PrepareOutputPath(const fs::path& templatePath) {
        fs::path folder = setup_.TempFolder;
        if (folder.empty()) {
            TempFolderResult temp = PrepareUserTempFolder();
            if (!temp.Ok()) {
                Report(PrintMessageKind::SystemError, temp.Error);
                return false;
            }
            folder = temp.Folder;
        }
        outcome_.OutputPath = folder / templatePath.filename();
        return true;
    }

    std::optional<std::string> ReadTemplate(const fs::path& templatePath) {
        FileReadResult read = ReadFileBytes(templatePath);
        if (!read.Bytes) {
            Report(PrintMessageKind::SystemError, read.Error);
        }
        return std::move(read.Bytes);
    }

    void CallHost(PrintJob& job) {
        try {
            host_.Print(job);
        } catch (const std::exception& error) {
            Report(PrintMessageKind::Exception, error.what());
        }
    }

    // RTF: errors of the filling are reported and the copy, as far as it got,
    // is opened; a copy that cannot be written leaves the previous one to open.
    bool PrintRtf(const fs::path& templatePath) {
        const std::optional<std::string> source = ReadTemplate(templatePath);
        if (!source) {
            return false;
        }
        const std::string cleaned = CleanTokens(*source);
        PrintJob job;
        CallHost(job);
        if (std::string error = WriteFileReplacing(outcome_.OutputPath, {}); !error.empty()) {
            Report(PrintMessageKind::Exception, std::move(error));
            return true;
        }
        FillResult filled;
        try {
            filled = FillRtfTemplate(cleaned, job, setup_.Codes, &host_);
        } catch (const std::exception& error) {
            filled.Error = error.what();
        }
        if (std::string error = WriteFileReplacing(outcome_.OutputPath, filled.Output);
            !error.empty()) {
            Report(PrintMessageKind::Exception, std::move(error));
        } else if (filled.Error) {
            Report(PrintMessageKind::Exception, *filled.Error);
        }
        return true;
    }

    // Text: any error stops the print before the copy is opened.
    bool PrintText(const fs::path& templatePath) {
        const std::optional<std::string> source = ReadTemplate(templatePath);
        if (!source) {
            return false;
        }
        PrintJob job;
        CallHost(job);
        const FillResult filled = FillTextTemplate(*source, job, setup_.Codes);
        if (std::string error = WriteFileReplacing(outcome_.OutputPath, filled.Output);
            !error.empty()) {
            Report(PrintMessageKind::SystemError, std::move(error));
            return false;
        }
        if (filled.Error) {
            Report(PrintMessageKind::SystemError, *filled.Error);
            return false;
        }
        return true;
    }

    void OpenOutput() {
        if (opener_.Open(outcome_.OutputPath)) {
            outcome_.Opened = true;
            return;
        }
        std::string text = "The document \"" + outcome_.OutputPath.string() +
                           "\" could not be opened with its application.";
        if (const std::string reason = opener_.LastError(); !reason.empty()) {
            text += " " + reason;
        }
        Report(PrintMessageKind::Exception, std::move(text));
    }

    const PrintSetup& setup_;
    PrintHost& host_;
    DocumentOpener& opener_;
    PrintOutcome outcome_;
};

}  // namespace

bool IsRtfTemplate(const fs::path& templatePath) {
    std::string extension = templatePath.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".rtf";
}

PrintOutcome PrintEntry(std::string_view storedTemplatePath, const PrintSetup& setup,
                        PrintHost* host, DocumentOpener& opener) {
    if (host == nullptr) {
        return {};
    }
    return PrintRun(setup, *host, opener).Run(storedTemplatePath);
}

}  // namespace kelvo
