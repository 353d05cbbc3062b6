#include "description/description_format.h"

#include <algorithm>
#include <array>

namespace description {

namespace {

constexpr int kQuotedValueRounds = 99;

// The columns of a port line and of a connection line, in the order of their fields.
constexpr std::array<std::size_t, 8> kPortFields = {0, 2, 3, 4, 5, 1, 6, 7};
constexpr std::array<std::size_t, 10> kConnectionFields = {8, 9, 10, 11, 12, 0, 2, 3, 4, 5};

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

void WriteValues(std::string& out, std::string_view keyword, const ValueTable& store) {
  bool any = false;
  for (std::size_t i = 0; const DescriptionEntry* row = store.EntryAt(i); ++i) {
    out += keyword;
    out += (*row)[column::kName];
    out += ' ';
    out += (*row)[column::kKind];
    out += " \"";
    out += EscapeValue((*row)[column::kValue]);
    out += "\"\n";
    any = true;
  }
  if (any) out += '\n';
}

template <std::size_t N>
void WriteFields(std::string& out, std::string_view keyword, const ValueTable& store,
                 const std::array<std::size_t, N>& columns) {
  bool any = false;
  for (std::size_t i = 0; const DescriptionEntry* row = store.EntryAt(i); ++i) {
    out += keyword;
    for (std::size_t c : columns) {
      out += ' ';
      out += (*row)[c];
    }
    out += '\n';
    any = true;
  }
  if (any) out += '\n';
}

void ReadValueLine(ValueTable& store, FieldSplitter& fields) {
  DescriptionEntry row;
  row[column::kName] = fields.Next().value_or(std::string_view());
  row[column::kKind] = fields.Next().value_or(std::string_view());
  row[column::kValue] = ReadValueToken(fields);
  store.Add(row);  // a full store drops the row
}

template <std::size_t N>
void ReadFieldLine(ValueTable& store, FieldSplitter& fields,
                   const std::array<std::size_t, N>& columns) {
  DescriptionEntry row;
  for (std::size_t c : columns) row[c] = fields.Next().value_or(std::string_view());
  store.Add(row);  // a full store drops the row
}

void ReadPiece(WizardDescription& description, std::string_view piece) {
  FieldSplitter fields(piece);
  const std::optional<std::string_view> keyword = fields.Next();
  if (!keyword) return;
  if (*keyword == "PRIVATE:") {
    ReadValueLine(description.privates, fields);
  } else if (*keyword == "PARAMETER:") {
    ReadValueLine(description.parameters, fields);
  } else if (*keyword == "CONSTANT:") {
    ReadValueLine(description.constants, fields);
  } else if (*keyword == "USED_PORT:") {
    ReadFieldLine(description.usedPorts, fields, kPortFields);
  } else if (*keyword == "CONNECT:") {
    ReadFieldLine(description.connections, fields, kConnectionFields);
  }
  // Every other line, the header and symbol lines included, is written only.
}

}  // namespace

std::optional<std::string_view> FieldSplitter::Next() {
  std::size_t start = 0;
  while (start < rest_.size() && IsSeparator(rest_[start])) ++start;
  if (start == rest_.size()) {
    rest_ = {};
    return std::nullopt;
  }
  std::size_t end = start;
  while (end < rest_.size() && !IsSeparator(rest_[end])) ++end;
  const std::string_view field = rest_.substr(start, end - start);
  rest_.remove_prefix(end);
  return field;
}

std::string ReadValueToken(FieldSplitter& fields) {
  std::string v(fields.Next().value_or(std::string_view()));
  if (!v.empty() && v.front() == '"') {
    for (int round = 0; round < kQuotedValueRounds && v.back() != '"'; ++round) {
      v += ' ';
      if (const std::optional<std::string_view> field = fields.Next()) v += *field;
    }
    v = v.size() < 2 ? std::string() : v.substr(1, v.size() - 2);
  }
  return UnescapeValue(v);
}

std::string EscapeValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnescapeValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    if (next == '\\') {
      out += '\\';
    } else if (next == 'n') {
      out += '\n';
    } else if (next == 't') {
      out += '\t';
    } else {
      out += '\\';
      out += next;
    }
  }
  return out;
}

std::string WriteDescription(const WizardDescription& description) {
  std::string out;
  out += "GENERATION: STANDARD\n";
  out += "VERSION: WM1.0\n";
  out += "MODULE: ";
  out += description.moduleName;
  out += "\n\n";
  WriteValues(out, "PRIVATE: ", description.privates);
  WriteValues(out, "CONSTANT: ", description.constants);
  WriteValues(out, "PARAMETER: ", description.parameters);
  WriteFields(out, "USED_PORT:", description.usedPorts, kPortFields);
  WriteFields(out, "CONNECT:", description.connections, kConnectionFields);
  if (description.symbol) description.symbol->WriteSymbol(out);
  return out;
}

void ReadDescription(WizardDescription& description, std::string_view content) {
  std::size_t lineStart = 0;
  while (lineStart < content.size()) {
    const std::size_t lineFeed = content.find('\n', lineStart);
    const bool hasLineFeed = lineFeed != std::string_view::npos;
    std::size_t lineEnd = hasLineFeed ? lineFeed : content.size();
    // A carriage return in front of the line feed belongs to the line break.
    if (hasLineFeed && lineEnd > lineStart && content[lineEnd - 1] == '\r') --lineEnd;
    for (std::size_t piece = lineStart; piece < lineEnd; piece += kPieceLength) {
      ReadPiece(description, content.substr(piece, std::min(kPieceLength, lineEnd - piece)));
    }
    lineStart = hasLineFeed ? lineFeed + 1 : content.size();
  }
}

}  // namespace description
