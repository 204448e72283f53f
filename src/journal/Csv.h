// Comma-separated rows as RFC 4180 gives them: a field with a comma, a quote or a line break
// is quoted, a quote doubled inside; rows end with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vl {

using CsvFields = std::vector<std::string>;

// One row, with its line end.
std::string CsvRow(const CsvFields& fields);

struct CsvRead {
  CsvFields fields;
  std::size_t next = 0;  // where the following row starts
  bool whole = false;    // its line end was reached outside a quote before the text ended
};

// The row that starts at `at`, into `out`, whose fields keep their room from one row to the
// next (a long file is read without a new string per field). A stray quote inside an
// unquoted field is kept as a character, as spreadsheets read it.
void ReadCsvRow(std::string_view text, std::size_t at, CsvRead& out);

}  // namespace vl
