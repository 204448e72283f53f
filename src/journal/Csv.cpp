#include "journal/Csv.h"

namespace vl {

std::string CsvRow(const CsvFields& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) row += ',';
    const std::string& f = fields[i];
    if (f.find_first_of(",\"\r\n") == std::string::npos) {
      row += f;
      continue;
    }
    row += '"';
    for (char c : f) {
      if (c == '"') row += '"';
      row += c;
    }
    row += '"';
  }
  return row + "\r\n";
}

CsvRead ReadCsvRow(std::string_view text, std::size_t at) {
  CsvRead out;
  std::string field;
  bool quoted = false;
  std::size_t i = at;
  while (i < text.size()) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
      ++i;
      continue;
    }
    if (c == '"' && field.empty()) {
      quoted = true;
    } else if (c == ',') {
      out.fields.push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      out.next = i + (c == '\r' ? 2 : 1);
      out.whole = true;
      break;
    } else {
      field += c;
    }
    ++i;
  }
  out.fields.push_back(std::move(field));
  if (!out.whole) out.next = text.size();
  return out;
}

}  // namespace vl
