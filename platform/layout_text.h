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
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A layout that does not parse: the message names the file and line.
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

struct LayoutProperty {
  std::string name;  // "Caption", "Font.Height", "Lines.Strings"
  LayoutValue value;
  int line = 0;
};

struct LayoutObject {
  std::string name;
  std::string className;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
  int line = 0;

  const LayoutProperty* Find(std::string_view property) const;
  // Every object of the tree, this one first, in layout order.
  void Walk(const std::function<void(const LayoutObject&, const LayoutObject* parent)>& f,
            const LayoutObject* parent = nullptr) const;
};

// Parses one layout; raises ELayoutError "<file>:<line>: <reason>".
LayoutObject ParseLayout(std::string_view text, const std::string& fileName);

// A readable form of a value for messages ("'text'", "[fsBold]", "42").
std::string DescribeValue(const LayoutValue& value);
