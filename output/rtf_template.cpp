#include "output/rtf_template.h"

#include <algorithm>

namespace kelvo {
namespace {

constexpr std::size_t kMaxWordBytes = 1000;
// Characters between "$" and "#" of a token; a "#" further away does not close it.
constexpr std::size_t kMaxTokenChars = 100;
constexpr std::string_view kParagraphMarker = "}\\pard";
constexpr std::string_view kRowEnd = "\\row";

bool IsTokenKind(char c) {
    return c == 'F' || c == 'E' || c == 'T' || c == 'C';
}

// Position of the leftmost "$F", "$E", "$T" or "$C" at or after `from`.
std::size_t FindToken(std::string_view text, std::size_t from) {
    for (std::size_t pos = text.find('$', from); pos != std::string_view::npos;
         pos = text.find('$', pos + 1)) {
        if (pos + 1 < text.size() && IsTokenKind(text[pos + 1])) {
            return pos;
        }
    }
    return std::string_view::npos;
}

// Token body without the braces and spaces a word processor may leave in it.
std::string StripBracesAndSpaces(std::string_view body) {
    std::string stripped;
    stripped.reserve(body.size());
    for (char c : body) {
        if (c != '{' && c != '}' && c != ' ') {
            stripped += c;
        }
    }
    return stripped;
}

class WordReader {
  public:
    explicit WordReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    // Bytes up to and including the next space, at most kMaxWordBytes.
    std::string_view Next() {
        const std::size_t limit = std::min(text_.size(), pos_ + kMaxWordBytes);
        std::size_t end = text_.find(' ', pos_);
        end = (end == std::string_view::npos || end >= limit) ? limit : end + 1;
        const std::string_view word = text_.substr(pos_, end - pos_);
        pos_ = end;
        return word;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

class RtfFiller {
  public:
    RtfFiller(PrintJob& job, const CodeTable& codes, PrintHost* host, std::string& out)
        : job_(job), codes_(codes), host_(host), out_(out) {}

    const std::optional<std::string>& Error() const { return error_; }

    // Fills one stretch of the template into the output; false once an error
    // has stopped the filling.
    bool Fill(std::string_view stretch) {
        std::size_t from = 0;
        for (std::size_t dollar = FindToken(stretch, from); dollar != std::string_view::npos;
             dollar = FindToken(stretch, from)) {
            out_.append(stretch.substr(from, dollar - from));
            const std::size_t hash =
                stretch.substr(0, dollar + 1 + kMaxTokenChars + 1).find('#', dollar + 2);
            if (hash == std::string_view::npos) {
                from = dollar + 1;  // the dollar sign goes, the rest stays as text
                continue;
            }
            if (!Replace(stretch[dollar + 1], stretch.substr(dollar + 2, hash - dollar - 2))) {
                return false;
            }
            from = hash + 1;
        }
        out_.append(stretch.substr(from));
        return true;
    }

    // A unit with "$T" repeats once per record of the set of its last T token.
    bool WriteUnit(std::string_view unit) {
        if (unit.find("$T") == std::string_view::npos) {
            return Fill(unit);
        }
        for (;;) {
            lastRepeatingSet_ = nullptr;
            if (!Fill(unit)) {
                return false;
            }
            if (lastRepeatingSet_ == nullptr) {
                return true;
            }
            lastRepeatingSet_->Next();
            if (lastRepeatingSet_->Eof()) {
                return true;
            }
        }
    }

  private:
    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    bool Replace(char kind, std::string_view rawBody) {
        const std::string body = StripBracesAndSpaces(rawBody);
        if (kind == 'E') {
            if (host_ != nullptr) {
                if (std::optional<std::string> text = host_->CustomToken(body)) {
                    out_ += *text;
                }
            }
            return true;
        }
        const std::size_t question = body.find('?');
        const std::string_view code =
            std::string_view(body).substr(0, std::min<std::size_t>(3, question));
        const ResolvedField field = ResolveFieldCode(code, job_, codes_);
        if (field.Status == FieldLookup::NoRecordSet) {
            return Fail(NoRecordSetMessage(code));
        }
        if (kind == 'C') {
            return ReplaceLabel(code, field);
        }
        if (field.Status != FieldLookup::Found) {
            return true;
        }
        if (kind == 'T') {
            lastRepeatingSet_ = field.Set;
        }
        std::optional<std::string> custom;
        if (question != std::string::npos && host_ != nullptr) {
            custom = host_->CustomField(*field.Set, field.FieldIndex,
                                        std::string_view(body).substr(question + 1));
        }
        AppendEscapedValue(
            out_, custom ? std::string_view(*custom) : field.Set->Value(field.FieldIndex), true);
        return true;
    }

    bool ReplaceLabel(std::string_view code, const ResolvedField& field) {
        switch (field.Status) {
            case FieldLookup::Found:
                AppendEscapedValue(out_, field.Set->Label(field.FieldIndex), true);
                return true;
            case FieldLookup::UnknownCode:
                return Fail("The field code " + std::string(code) + " is not in the code table.");
            case FieldLookup::UnknownField:
                return Fail("The field of the code " + std::string(code) + " does not exist.");
            default:
                return true;
        }
    }

    PrintJob& job_;
    const CodeTable& codes_;
    PrintHost* host_;
    std::string& out_;
    PrintRecordSet* lastRepeatingSet_ = nullptr;
    std::optional<std::string> error_;
};

}  // namespace

std::string CleanTokens(std::string_view rtf) {
    std::string out;
    out.reserve(rtf.size());
    bool insideToken = false;
    bool copy = true;
    for (char byte : rtf) {
        if (copy && insideToken && (byte == '\\' || byte == '{' || byte == '}' || byte == '\r')) {
            copy = false;
        }
        if (copy) {
            out += byte;
        }
        if (byte == '$') {
            insideToken = true;
            copy = true;
        }
        if (insideToken) {
            if (byte == '#') {
                insideToken = false;
                copy = true;
            } else if (byte == ' ' || byte == '\n') {
                copy = true;
            }
        }
    }
    return out;
}

std::string_view ChooseRowMarker(std::string_view rtf) {
    constexpr std::string_view kRowStart = "\\trowd";
    for (std::size_t brace = rtf.find('}'); brace != std::string_view::npos;
         brace = rtf.find('}', brace + 1 + kRowStart.size())) {
        if (rtf.substr(brace + 1, kRowStart.size()) == kRowStart) {
            return "}\\trowd";
        }
    }
    return kRowStart;
}

FillResult FillRtfTemplate(std::string_view cleanedRtf, PrintJob& job, const CodeTable& codes,
                           PrintHost* host) {
    FillResult result;
    result.Output.reserve(cleanedRtf.size() + cleanedRtf.size() / 4);
    RtfFiller filler(job, codes, host, result.Output);
    const std::string_view rowMarker = ChooseRowMarker(cleanedRtf);
    WordReader words(cleanedRtf);
    while (!words.AtEnd()) {
        const std::string_view word = words.Next();
        std::size_t unitStart = word.find(rowMarker);
        if (unitStart == std::string_view::npos) {
            unitStart = word.find(kParagraphMarker);
        }
        if (unitStart == std::string_view::npos) {
            if (!filler.Fill(word)) {
                break;
            }
            continue;
        }
        if (!filler.Fill(word.substr(0, unitStart))) {
            break;
        }
        job.RewindStartAtFirstSets();
        // Words lie back to back in the template, so the unit is one view of it.
        const char* unitBegin = word.data() + unitStart;
        std::string_view last = word.substr(unitStart);
        bool closed = last.find(kRowEnd) != std::string_view::npos;
        while (!closed && !words.AtEnd()) {
            last = words.Next();
            closed = last.find(kRowEnd) != std::string_view::npos;
        }
        const std::string_view unit(
            unitBegin, static_cast<std::size_t>(last.data() + last.size() - unitBegin));
        if (!filler.WriteUnit(unit)) {
            break;
        }
    }
    result.Error = filler.Error();
    return result;
}

}  // namespace kelvo
