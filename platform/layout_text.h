// The text form of a stored layout:
//
//   object frmFceElemLin: TfrmFceElemLin
//     Caption = 'Lineární funkce'
//     Color = $C0DCC0
//     Font.Style = [fsBold]
//     Lines.Strings = (
//       'first line'
//       'second line')
//     object img: TImage
//       ...
//     end
//   end
//
// Strings are single-quoted UTF-8 ('' is a quote; 'a' + 'b' joins; #nnn is a character by its
// code). Numbers are decimal, $hex or with a decimal point. Identifiers, sets [a, b] and string
// lists ( 'a' 'b' ) complete the values. `//` starts a comment to the end of the line.
//
// Reading a layout also expands the few statements that keep layouts free of repetition
// (docs/layouts.md shows them at work):
//
//   include 'frames/lesson.lay'     the items of a piece of layout, here; the lines up to `end`
//     Chapter = '1'                 give the piece's parameters
//   end
//   param Name [= value]            at the top of a piece: a parameter and its default
//   let name = value                a name for a value, up to the end of the enclosing block
//   repeat k = 0 to 9 ... end       the items of the block once for every k
//   if expression ... end           the items of the block when the expression is not 0 or ''
//   inherited Name: TClass ... end  changes an object that the block holds already: each
//                                   property replaces the one of the same name, objects add
//
// `{expression}` inside a name, an identifier or a string stands for the expression's value,
// and a value that is one `{expression}` is that value itself; in strings `{{` and `}}` are
// braces. Expressions have whole numbers, names, + - * / % (rounding toward zero),
// = <> < <= > >= (1 or 0), parentheses, list[index] (from 0), letter(n) ('a' for 0) and
// count(list). A list in a string list, ( {lines} '' ), stands for its lines.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A layout that does not parse: the message names the file and line ("frames/lesson.lay:12: ...
// (included from frmFceVDf.lay:2)").
class ELayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LayoutValue {
  enum class Kind { Integer, Float, String, Ident, Set, List };
  Kind kind = Kind::Integer;
  long long integer = 0;
  double number = 0;
  std::string text;                // String, Ident
  std::vector<std::string> items;  // Set (identifiers), List (strings)
};

// Where a property or object was written: the file (a layout or a piece it includes) and line.
struct LayoutProperty {
  std::string name;  // "Caption", "Font.Height", "Lines.Strings"
  LayoutValue value;
  std::string file;
  int line = 0;
};

struct LayoutObject {
  std::string name;
  std::string className;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
  std::string file;
  int line = 0;

  const LayoutProperty* Find(std::string_view property) const;
  // Every object of the tree, this one first, in layout order.
  void Walk(const std::function<void(const LayoutObject&, const LayoutObject* parent)>& f,
            const LayoutObject* parent = nullptr) const;
};

// Reads a file of the layouts folder by its path there ("frames/lesson.lay"); nullopt when there
// is none.
using LayoutFileReader = std::function<std::optional<std::string>(const std::string& path)>;

// A reader of the files under `folder`. Paths that leave the folder read nothing.
LayoutFileReader LayoutFolderReader(const std::string& folder);

// Parses and expands one layout; `read` reads the pieces that it includes (without it, an
// include is an error). Raises ELayoutError "<file>:<line>: <reason>".
LayoutObject ParseLayout(std::string_view text, const std::string& fileName,
                         const LayoutFileReader& read = {});

// The same for the layout file `path`, read through `read`.
LayoutObject ReadLayoutFile(const std::string& path, const LayoutFileReader& read);

// A readable form of a value for messages ("'text'", "[fsBold]", "42").
std::string DescribeValue(const LayoutValue& value);
