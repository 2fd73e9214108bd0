#pragma once
// One text file read or written as a list of lines. Lines are narrow
// (ISO 8859-1) text without their line breaks; the path is UTF-8.
#include <string>
#include <vector>

namespace Tarvex {

class TextFile {
 public:
  bool error = false;      // the last read or write failed to open the file, or failed part-way
  bool notOpened = false;  // the last read or write failed to open the file
  std::string path;

  explicit TextFile(std::string path);

  // Every line of the file in file order. A line ends at a line feed (a
  // carriage return just before it is dropped), the last one may lack it (and
  // a carriage return ending it is dropped too), and a line is cut at its
  // first NUL byte. A file that cannot be opened gives an
  // empty list; a read that fails part-way ends the list there. Both set error.
  std::vector<std::string> ReadLines();

  // Replaces the file with these lines, each followed by CR LF. The new text
  // goes to a fresh file beside the old one, which is swapped in only once
  // every line was written and flushed; a swap that fails (another program
  // holds the old file open) is tried again for about a second. On any
  // failure the old file stays as it was and the result is false.
  bool WriteLines(std::vector<std::string> lines);
};

// Tests make a write fail part-way, as a full disk would: while this is n > 0,
// writing the n-th line (1 for the first) of every WriteLines fails. 0 turns it
// off. Returns the previous setting.
int FailLineWriteForTests(int lineNumber);

// Tests make the swap of the new file for the old one fail, as a program
// holding the old file open would: the next `attempts` tries fail (0 turns it
// off). Returns the previous setting.
int FailReplaceForTests(int attempts);

}  // namespace Tarvex
