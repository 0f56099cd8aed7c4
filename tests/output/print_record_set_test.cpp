#include "output/print_record_set.h"

#include <gtest/gtest.h>

#include <set>

#include "output/print_job.h"
#include "output/text_encoding.h"
#include "print_test_support.h"

namespace kelvo {
namespace {

TEST(PrintFields, CodesRunA01ToA81AndNamesAreUnique) {
    std::set<std::string_view> names;
    for (int i = 0; i < kPrintFieldCount; ++i) {
        const std::string expected = (i < 9 ? "A0" : "A") + std::to_string(i + 1);
        EXPECT_EQ(kPrintFields[i].Code, expected);
        EXPECT_EQ(PrintFieldIndexOfCode(expected), i);
        EXPECT_EQ(PrintFieldIndexOfName(kPrintFields[i].Name), i);
        names.insert(kPrintFields[i].Name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kPrintFieldCount));
    EXPECT_EQ(kPrintFields[0].Name, "Tip");
    EXPECT_EQ(kPrintFields[48].Name, "KGHEMx");
    EXPECT_EQ(kPrintFields[80].Name, "MEd");
    EXPECT_EQ(kPrintFields[79].MaxChars, 100);
    EXPECT_FALSE(PrintFieldIndexOfCode("A82"));
    EXPECT_FALSE(PrintFieldIndexOfCode("a01"));
}

TEST(PrintRecord, CutsAValueToItsLengthInCharactersAtACharacterBoundary) {
    PrintRecord record;
    std::string bulgarian;
    for (int i = 0; i < 30; ++i) {
        bulgarian += "Ж";  // two bytes each
    }
    record.Set(1, bulgarian);  // NR: 20 characters
    EXPECT_EQ(record.Fields[1], bulgarian.substr(0, 40));
    record.Set(0, bulgarian);  // Tip: 100 characters
    EXPECT_EQ(record.Fields[0], bulgarian);
    record.Set(2, "± 0.00200 µm and some more text");
    EXPECT_EQ(record.Fields[2], "± 0.00200 µm and som");
    record.Set(99, "ignored");  // no such field: nothing happens
}

TEST(TruncateUtf8, NeverSplitsASequenceEvenOfMalformedText) {
    EXPECT_EQ(TruncateUtf8("a\xF0\x9F\x98\x80"
                           "b",
                           2),
              "a\xF0\x9F\x98\x80");
    EXPECT_EQ(TruncateUtf8("\xFF\xFE"
                           "ab",
                           3),
              "\xFF\xFE"
              "a");
    EXPECT_EQ(TruncateUtf8("\xE2\x82", 1), "\xE2");  // truncated sequence: one byte
}

TEST(PrintRecordSet, KeepsTheNewestFirstAndStopsOnTheLastRecordAtTheEnd) {
    PrintRecordSet set = test::TwoPrints();
    ASSERT_EQ(set.RecordCount(), 2u);
    EXPECT_EQ(set.Value(1), "25");
    EXPECT_FALSE(set.Eof());
    set.Next();
    EXPECT_EQ(set.Value(1), "10");
    set.Next();
    EXPECT_TRUE(set.Eof());
    EXPECT_EQ(set.Value(1), "10");
    set.First();
    EXPECT_EQ(set.Value(1), "25");

    PrintRecordSet empty;
    EXPECT_TRUE(empty.Eof());
    EXPECT_EQ(empty.Value(1), "");
}

TEST(PrintRecordSet, LabelIsTheFieldNameUnlessGivenAnother) {
    PrintRecordSet set;
    EXPECT_EQ(set.Label(14), "Ozn");
    set.SetLabel(14, "Designation");
    EXPECT_EQ(set.Label(14), "Designation");
}

TEST(CodeTable, MapsCodesToFieldNames) {
    const CodeTable codes = MainWindowCodeTable();
    EXPECT_EQ(codes.Entries().front(), "A01=Tip");
    EXPECT_EQ(codes.Entries().back(), "A81=MEd");
    EXPECT_EQ(codes.FieldNameOf("A49"), "KGHEMx");
    EXPECT_EQ(codes.FieldNameOf("A99"), "");
    EXPECT_EQ(CodeTable({"broken", "X1=" + std::string(80, 'n')}).FieldNameOf("X1"),
              std::string(50, 'n'));
}

TEST(PrintJob, AddsSetsInOrderAndRefusesWhatNoLetterCanAddress) {
    PrintJob job;
    std::vector<PrintRecordSet> sets(27, test::TwoPrints());
    sets[0].Next();
    EXPECT_EQ(job.AddRecordSet(&sets[0], true), 0);
    EXPECT_EQ(sets[0].CurrentIndex(), 0u);  // positioned on its first record
    sets[1].Next();
    EXPECT_EQ(job.AddRecordSet(&sets[1], false), 1);
    EXPECT_EQ(sets[1].CurrentIndex(), 1u);
    EXPECT_EQ(job.AddRecordSet(nullptr, true), -1);
    for (std::size_t i = 2; i < 26; ++i) {
        job.AddRecordSet(&sets[i], true);
    }
    EXPECT_EQ(job.AddRecordSet(&sets[26], true), -1);
    EXPECT_EQ(job.SetCount(), 26u);
}

}  // namespace
}  // namespace kelvo
