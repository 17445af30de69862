// The command-line program's text output: JSON strings and the log's CRC-32.

#include "cli/cli_report.h"
#include "image/image_crc.h"
#include "cli/json_line.h"
#include "cli/log_fields.h"

#include <gtest/gtest.h>

TEST(CliText, JsonStringsPassUtf8ThroughAndEscapeOnlyWhatJsonRequires) {
    EXPECT_EQ(JsonString("zo\xC3\xAB.hex"), "\"zo\xC3\xAB.hex\"");
    // Three- and four-byte sequences, and DEL, which JSON leaves alone.
    EXPECT_EQ(JsonString("\xE2\x82\xAC \xF0\x9F\x94\x8C \x7F"),
              "\"\xE2\x82\xAC \xF0\x9F\x94\x8C \x7F\"");
    EXPECT_EQ(JsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
    // Bytes that are not UTF-8 (Latin-1, a cut sequence, an overlong one, a
    // surrogate) become U+FFFD, so that the line stays valid JSON.
    EXPECT_EQ(JsonString("zo\xEB"), "\"zo\\uFFFD\"");
    EXPECT_EQ(JsonString("\xE2\x82"), "\"\\uFFFD\\uFFFD\"");
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\\uFFFD\\uFFFD\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\\uFFFD\\uFFFD\\uFFFD\"");
    EXPECT_EQ(JsonString("\xF4\x90\x80\x80"), "\"\\uFFFD\\uFFFD\\uFFFD\\uFFFD\"");
}

TEST(CliText, TheLogsCrc32IsTheCommonOne) {
    EXPECT_EQ(Crc32Of("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32Of(""), 0u);
}

// The production log read back: strings unescaped, numbers (fractions too) and
// nested objects as written, and nothing from a line that is not an object.
TEST(CliText, LogFieldsReadALogLineAsItWasWritten) {
    auto f = LogFields(R"({"result":"ok \"A\"","elapsed_s":1.25,"calibration":{"word":"0x3454"},)"
                       R"("serial":null,"number":7})");
    EXPECT_EQ(f["result"], "ok \"A\"");
    EXPECT_EQ(f["elapsed_s"], "1.25");
    EXPECT_EQ(LogFields(f["calibration"])["word"], "0x3454");
    EXPECT_EQ(f["serial"], "null");
    EXPECT_EQ(f["number"], "7");
    EXPECT_TRUE(LogFields(R"({"result":"ok")").empty());
    EXPECT_TRUE(LogFields("[1,2]").empty());
}
