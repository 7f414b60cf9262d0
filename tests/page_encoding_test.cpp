// End to end: a page written in each character set reads back byte for byte.
#include <gtest/gtest.h>

#include "tests/support/build_fixture.h"

namespace tabulon::testing {
namespace {

// A script (UTF-8 with its byte order mark) whose head and body hold only
// text every charset can carry, so the expected bytes can be written out in full.
constexpr std::string_view kTinyScript =
    "\xEF\xBB\xBF/DOCTYPE\n<!DOCTYPE html>\n/CONTENT_TYPE\n<meta "
    "charset=\"x\">\n/BODYHEADER\n<body>\n"
    "/TABLEHEADER\n<table>\n/START\n<h1>caf\xC3\xA9</h1>\n";

std::string expected_page(std::string_view table_rows) {
  std::string page =
      "<!DOCTYPE html>\n<html>\n\n<head>\n<meta "
      "charset=\"x\">\n<title>T</title>\n</head>\n\n<body>\n<h1>caf\xC3\xA9</h1>"
      "INSERT\n<table>\n";
  page.replace(page.find("INSERT"), 6, "");
  page += table_rows;
  page += "</table>\n\n\n</body>\n</html>";
  return page;
}

// UTF-8 text to the bytes of `charset` with "\r\n" line ends.
std::string encode(std::string_view utf8, const std::string& charset) {
  std::string crlf;
  for (char c : utf8) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  if (charset == "UTF_8") return crlf;
  std::string out;
  if (charset == "UTF_16LE") out = "\xFF\xFE";
  for (size_t i = 0; i < crlf.size();) {
    unsigned char c = static_cast<unsigned char>(crlf[i]);
    unsigned code = c;
    size_t len = 1;
    if (c >= 0xC0) {
      code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(crlf[i + 1]) & 0x3F);
      len = 2;
    }
    if (charset == "ANSI") {
      out += static_cast<char>(code);
    } else {
      out += static_cast<char>(code & 0xFF);
      out += static_cast<char>(code >> 8);
    }
    i += len;
  }
  return out;
}

TEST(PageEncoding, EachCharsetReadsBackByteForByte) {
  for (const std::string charset : {"ANSI", "UTF_8", "UTF_16LE"}) {
    SCOPED_TRACE(charset);
    build_fixture f;
    f.file("a.txt");
    const std::string script = f.script(kTinyScript);
    ASSERT_EQ(
        f.build("recursive_build=FALSE\ncharset=" + charset +
                    "\ntitle=T\ninclude_filesize=FALSE\nsupress_headers=TRUE\nfile_columns2=1\n",
                script)
            .exit_status,
        0);
    const std::string rows = "<tr><td><a href=\"a.txt\">a.txt</a>&nbsp;</td></tr>\n";
    EXPECT_EQ(f.page(), encode(expected_page(rows), charset));
  }
}

}  // namespace
}  // namespace tabulon::testing
