// The text form of the description (the ".cnx" file): the writer with its exact line formats and
// the reader that fills the stores back from any text. Both work on whole texts; opening and
// writing the file is the caller's business (platform::Files()).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "description/wizard_description.h"

namespace description {

// The reader handles a line in pieces of at most this many characters; a longer line is cut
// and each part is read as a line of its own.
inline constexpr std::size_t kPieceLength = 255;

// The whole description: the three header lines, the value groups (privates, constants,
// parameters), the ports, the connections, each group followed by an empty line when it is not
// empty, then the symbol lines when a symbol is attached. Lines end in a line feed.
std::string WriteDescription(const WizardDescription& description);

// Adds the rows described by `content` to the stores (the caller clears them first when it
// wants only the file's rows). Any bytes are accepted: unknown or malformed lines are ignored or
// give rows with empty columns, rows for a full store are dropped, and reading always goes on
// to the end. The module name and the symbol are not read.
void ReadDescription(WizardDescription& description, std::string_view content);

// The fields of one piece of a line: separated by runs of blanks, tabs and line feeds.
class FieldSplitter {
 public:
  explicit FieldSplitter(std::string_view piece) : rest_(piece) {}
  // The next field, or nullopt when none is left.
  std::optional<std::string_view> Next();

 private:
  std::string_view rest_;
};

// The value of a PRIVATE, CONSTANT or PARAMETER line, read from the fields after the kind: a
// single field, or a value in double quotes rejoined from up to 100 fields with one blank
// between them; then unescaped.
std::string ReadValueToken(FieldSplitter& fields);

// A tab becomes \t, a line feed \n and a backslash \\; everything else, double quotes included,
// is copied as it is.
std::string EscapeValue(std::string_view value);

// The inverse of EscapeValue: \\, \n and \t are decoded, a backslash before any other character
// is kept with that character, and a final lone backslash stays.
std::string UnescapeValue(std::string_view text);

}  // namespace description
