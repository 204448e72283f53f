#include "journal/Csv.h"

#include <algorithm>

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

void ReadCsvRow(std::string_view text, std::size_t at, CsvRead& out) {
  std::size_t used = 0;
  const auto field = [&out, &used]() -> std::string& {
    if (used == out.fields.size()) out.fields.emplace_back();
    std::string& f = out.fields[used++];
    f.clear();
    return f;
  };
  out.whole = false;
  std::size_t i = at;
  while (true) {
    std::string& f = field();
    if (i < text.size() && text[i] == '"') {
      // Quoted: up to the quote that is not doubled, then to the field's end as it stands.
      for (++i; i < text.size();) {
        const std::size_t quote = std::min(text.find('"', i), text.size());
        f.append(text.substr(i, quote - i));
        i = quote + 1;
        if (quote == text.size() || i == text.size() || text[i] != '"') break;
        f += '"';  // a doubled quote
        ++i;
      }
      i = std::min(i, text.size());
    }
    const std::size_t end = std::min(text.find_first_of(",\n", i), text.size());
    std::size_t stop = end;
    if (end < text.size() && text[end] == '\n' && end > i && text[end - 1] == '\r') --stop;
    f.append(text.substr(i, stop - i));
    if (end == text.size()) break;
    i = end + 1;
    if (text[end] == '\n') {
      out.whole = true;
      break;
    }
  }
  out.fields.resize(used);
  out.next = out.whole ? i : text.size();
}

}  // namespace vl
