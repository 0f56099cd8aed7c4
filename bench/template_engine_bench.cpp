// Filling print templates: a realistic RTF sheet with every field code of the
// print record, and large templates to show that the time grows linearly.

#include <benchmark/benchmark.h>

#include <string>

#include "output/print_job.h"
#include "output/print_record_set.h"
#include "output/rtf_template.h"
#include "output/text_template.h"

namespace kelvo {
namespace {

PrintRecord FullRecord(int print) {
    PrintRecord record;
    record.Set(0, "Стандартен допуск (ISO 286:1988)");
    record.Set(1, std::to_string(10 + print));
    for (int i = 2; i < kPrintFieldCount - 2; ++i) {
        record.Set(i, i % 7 == 0 ? "N" : "10.01500");
    }
    record.Set(16, "Max. clearance");
    record.Set(79, "ISO 286-1:1988");
    record.Set(80, "[mm]");
    return record;
}

PrintRecordSet RecordSet(int prints) {
    PrintRecordSet set;
    for (int i = 0; i < prints; ++i) {
        set.InsertNewest(FullRecord(i));
    }
    return set;
}

// A sheet as a word processor writes it: font and colour tables, a heading,
// one table row per field with its label and value (some tokens with a
// language group inside), and a repeated row listing the earlier prints.
std::string RealisticSheet() {
    std::string rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1251\\uc1\\adeff0\\deff0\\stshfdbch0"
        "{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset204\\fprq2 Arial;}}"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "{\\*\\generator Writer;}\\paperw11906\\paperh16838\\margl1417\\margr1417\n"
        "{\\pard\\plain \\ltrpar\\s1\\qc \\b\\f1\\fs28 $FA01#\\par }\n";
    for (int i = 0; i < kPrintFieldCount; ++i) {
        const std::string code(kPrintFields[i].Code);
        const std::string value =
            i % 3 == 0 ? "$F{\\lang1033\\langfe1026 " + code + "#}" : "$F" + code + "#";
        rtf += "\\trowd \\irow" + std::to_string(i) +
               "\\ts11\\trgaph108\\trleft-108\\clvertalt\\clbrdrt\\brdrs\\brdrw10 "
               "\\cellx3000\\clvertalt\\clbrdrt\\brdrs\\brdrw10 \\cellx6000 "
               "\\pard\\plain \\ltrpar\\ql \\intbl\\f1\\fs20 {$C" +
               code + "#\\cell }{" + value +
               "\\cell }\\pard\\plain \\intbl {\\trowd \\irow0\\cellx3000\\cellx6000 \\row }\n";
    }
    rtf +=
        "}\\trowd \\ts11\\trgaph108\\cellx2000\\cellx4000\\cellx6000 \\pard\\intbl "
        "{$TA02#\\cell $TA15#\\cell $TA16#\\cell }{\\row }\n\\pard\\plain\\f1 $FA81#\\par }";
    return rtf;
}

void FillRealisticRtfSheet(benchmark::State& state) {
    const std::string sheet = RealisticSheet();
    const CodeTable codes = MainWindowCodeTable();
    PrintRecordSet set = RecordSet(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string cleaned = CleanTokens(sheet);
        PrintJob job;
        job.AddRecordSet(&set, true);
        FillResult result = FillRtfTemplate(cleaned, job, codes, nullptr);
        benchmark::DoNotOptimize(result.Output.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sheet.size()));
}
BENCHMARK(FillRealisticRtfSheet)->Arg(1)->Arg(20)->Unit(benchmark::kMicrosecond);

// The large templates: 625 kB to 5 MB, to show that the time grows linearly with the size.
void TemplateSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->RangeMultiplier(2)
        ->Range(625'000, 5'000'000)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

// Repeats `unit` after the start `rtf` up to the benchmark's size, and fills the whole as a print
// does.
void FillRepeatedRtf(benchmark::State& state, std::string rtf, const std::string& unit,
                     int prints) {
    while (rtf.size() < static_cast<std::size_t>(state.range(0))) {
        rtf += unit;
    }
    const CodeTable codes = MainWindowCodeTable();
    PrintRecordSet set = RecordSet(prints);
    for (auto _ : state) {
        PrintJob job;
        job.AddRecordSet(&set, true);
        FillResult result = FillRtfTemplate(CleanTokens(rtf), job, codes, nullptr);
        benchmark::DoNotOptimize(result.Output.data());
    }
    state.SetComplexityN(state.range(0));
}

// Paragraphs with tokens, no tables: every word is filled as it comes.
void FillLargeRtfTemplate(benchmark::State& state) {
    FillRepeatedRtf(state, "{\\rtf1\\ansi ",
                    "{\\b $FA15#} {\\i $FA16#} plain words of a long report\\par\n", 1);
}
BENCHMARK(FillLargeRtfTemplate)->Apply(TemplateSizes);

// One repeated unit of 5 MB (a "}\pard" without any table row end).
void FillLargeRepeatedUnit(benchmark::State& state) {
    FillRepeatedRtf(state, "{\\rtf1 }\\pard ", "\\cell $TA02# {\\b word}\\par ", 3);
}
BENCHMARK(FillLargeRepeatedUnit)->Apply(TemplateSizes);

void FillLargeUtf16TextTemplate(benchmark::State& state) {
    std::string text = "\xFF\xFE";
    const std::string line = "Fit $A15 fit# type $A16 type#\r\n";
    while (text.size() < static_cast<std::size_t>(state.range(0))) {
        for (char c : line) {
            text += c;
            text += '\0';
        }
    }
    const CodeTable codes = MainWindowCodeTable();
    PrintRecordSet set = RecordSet(1);
    for (auto _ : state) {
        PrintJob job;
        job.AddRecordSet(&set, true);
        FillResult result = FillTextTemplate(text, job, codes);
        benchmark::DoNotOptimize(result.Output.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FillLargeUtf16TextTemplate)->Apply(TemplateSizes);

}  // namespace
}  // namespace kelvo
