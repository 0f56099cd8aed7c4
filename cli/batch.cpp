#include "cli/batch.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/csv_output.h"
#include "cli/evaluation.h"
#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class LineRead { Line, TooLong, End };

// Reads up to the next LF and drops a CR before it. Keeps at most kMaxBatchLineLength
// characters, so that a huge line without line breaks cannot exhaust memory.
LineRead ReadLine(std::streambuf& buffer, std::string& line) {
    constexpr std::size_t kKept = kMaxBatchLineLength + 1;  // room for a CR
    line.clear();
    bool readAny = false;
    bool overflow = false;
    for (int code = buffer.sbumpc(); code != std::char_traits<char>::eof();
         code = buffer.sbumpc()) {
        readAny = true;
        if (code == '\n') {
            break;
        }
        if (line.size() < kKept) {
            line.push_back(static_cast<char>(code));
        } else {
            overflow = true;
        }
    }
    if (!readAny) {
        return LineRead::End;
    }
    if (!overflow && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return overflow || line.size() > kMaxBatchLineLength ? LineRead::TooLong : LineRead::Line;
}

// Splits at commas outside double quotes; a quoted field loses its quotes, and "" inside quotes
// stands for one quote. Fields are trimmed of blanks.
std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t index = 0; index < line.size(); ++index) {
        const char character = line[index];
        if (character == '"') {
            if (quoted && index + 1 < line.size() && line[index + 1] == '"') {
                fields.back() += '"';
                ++index;
            } else {
                quoted = !quoted;
            }
        } else if (character == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += character;
        }
    }
    for (std::string& field : fields) {
        field = std::string(TrimBlanks(field));
    }
    return fields;
}

// The first character that is not a blank.
char FirstVisible(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    return trimmed.empty() ? '\0' : trimmed.front();
}

void WriteError(std::ostream& out, BatchFormat format, long long lineNumber,
                std::string_view message) {
    if (format == BatchFormat::Csv) {
        out << ErrorToCsvRow(lineNumber, message);
    } else {
        out << DumpJsonLine(ErrorToJson(lineNumber, message)) << '\n';
    }
}

void WriteResult(std::ostream& out, BatchFormat format, long long lineNumber,
                 const QueryResult& query, std::string& buffer) {
    buffer.clear();
    if (format == BatchFormat::Csv) {
        buffer = QueryToCsvRow(lineNumber, query);
    } else {
        AppendQueryJson(buffer, query, lineNumber);
        buffer += '\n';
    }
    out << buffer;
}

}  // namespace

Checked<BatchRow> ParseBatchLine(std::string_view line) {
    std::vector<std::string> fields = SplitFields(line);
    // Spreadsheets pad short rows with commas: empty fields at the end are ignored.
    while (fields.size() > 2 && fields.back().empty()) {
        fields.pop_back();
    }
    if (fields.size() != 2) {
        return Checked<BatchRow>::Fail("expected \"size,designation\" in " + QuoteInput(line));
    }
    Checked<double> size = ParseNominalSizeMm(fields[0]);
    if (!size.Value) {
        return Checked<BatchRow>::Fail(std::move(size.Error));
    }
    Checked<Designation> designation = ParseDesignation(fields[1]);
    if (!designation.Value) {
        return Checked<BatchRow>::Fail(std::move(designation.Error));
    }
    return Checked<BatchRow>::Ok(BatchRow{*size.Value, *designation.Value});
}

bool IsHeaderLine(std::string_view line) {
    const std::string_view firstField = line.substr(0, line.find(','));
    return std::none_of(firstField.begin(), firstField.end(),
                        [](char character) { return character >= '0' && character <= '9'; });
}

BatchSummary RunBatch(std::istream& in, std::ostream& out, BatchFormat format) {
    if (format == BatchFormat::Csv) {
        out << CsvHeader();
    }
    BatchSummary summary;
    std::string line;
    std::string result;  // reused for every row to spare allocations
    long long lineNumber = 0;
    bool contentSeen = false;
    std::streambuf* buffer = in.rdbuf();
    for (LineRead read = ReadLine(*buffer, line); read != LineRead::End;
         read = ReadLine(*buffer, line)) {
        ++lineNumber;
        if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size());
        }
        if (read == LineRead::TooLong) {
            contentSeen = true;
            ++summary.Rows;
            ++summary.Failed;
            WriteError(
                out, format, lineNumber,
                "line is longer than " + std::to_string(kMaxBatchLineLength) + " characters");
            continue;
        }
        const char first = FirstVisible(line);
        if (first == '\0' || first == '#') {
            continue;  // blank lines separate blocks of a CSV file; "#" starts a comment
        }
        const bool isFirstContent = !contentSeen;
        contentSeen = true;
        if (isFirstContent && IsHeaderLine(line)) {
            continue;
        }
        ++summary.Rows;
        const Checked<BatchRow> row = ParseBatchLine(line);
        if (!row.Value) {
            ++summary.Failed;
            WriteError(out, format, lineNumber, row.Error);
            continue;
        }
        WriteResult(out, format, lineNumber, Evaluate(row.Value->SizeMm, row.Value->Query), result);
    }
    return summary;
}

}  // namespace kelvo::cli
