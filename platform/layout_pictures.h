// Which properties of a layout hold pictures, and the names under which the built program
// carries their rendered form. Shared by the picture compiler and the layout loader, so the
// two always agree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/layout_text.h"

enum class PictureFormat { Jpeg, Png };

// A picture reference as a layout writes it: the source, relative to the layouts folder, and
// for a source with stages the one to show after a '#': "Def/priklad.svg#5".
struct PictureReference {
  std::string file;
  int stage = 0;  // 0: the source has no stages
};

// Splits a reference; false when what follows the '#' is not a stage number from 1.
bool SplitPictureReference(std::string_view reference, PictureReference& out);

// One picture that a layout uses: its reference (file and stage), the size it is rendered at
// (0 × 0: the source's own size), its format and the colour behind it.
struct PictureUse {
  std::string source;  // the reference as written
  int width = 0, height = 0;
  PictureFormat format = PictureFormat::Jpeg;
  LayoutValue background;  // the nearest Color of the object or its parents
  std::string object;      // the object's name, for messages
  std::string file;        // where the property was written: the layout or a piece it includes
  int line = 0;
};

// The resource name of a rendered picture: "Titulni/about.html@537x441.jpg", with the stage
// "Def/priklad.svg#5@424x200.jpg"; a source that is already a JPEG or PNG file is carried as
// it is. A source named "x.png.svg" renders to PNG.
std::string RenderedPictureName(std::string_view source, int width, int height,
                                PictureFormat format);

// Every picture of a layout: TImage.Picture at the box's size (JPEG), the glyphs of buttons and
// the bitmaps of menu items and form icons at their own size (PNG, transparent), and the
// pictures of an image list at the list's size (PNG).
std::vector<PictureUse> PictureUses(const LayoutObject& root);
