#include "platform/layout_pictures.h"

namespace {

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

int IntProperty(const LayoutObject& o, const char* name, int fallback) {
  const LayoutProperty* p = o.Find(name);
  return p && p->value.kind == LayoutValue::Kind::Integer ? static_cast<int>(p->value.integer)
                                                          : fallback;
}

}  // namespace

bool SplitPictureReference(std::string_view reference, PictureReference& out) {
  const size_t hash = reference.rfind('#');
  out.file = std::string(reference.substr(0, hash));
  out.stage = 0;
  if (hash == std::string_view::npos) return true;
  const std::string_view digits = reference.substr(hash + 1);
  if (digits.empty() || digits.size() > 4 || digits[0] == '0') return false;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    out.stage = out.stage * 10 + (c - '0');
  }
  return true;
}

std::string RenderedPictureName(std::string_view source, int width, int height,
                                PictureFormat format) {
  if (EndsWith(source, ".jpg") || EndsWith(source, ".jpeg") || EndsWith(source, ".png")) {
    return std::string(source);
  }
  PictureReference ref;
  SplitPictureReference(source, ref);
  if (EndsWith(ref.file, ".png.svg")) format = PictureFormat::Png;
  std::string name(source);
  if (width > 0 || height > 0) name += "@" + std::to_string(width) + "x" + std::to_string(height);
  name += format == PictureFormat::Png ? ".png" : ".jpg";
  return name;
}

std::vector<PictureUse> PictureUses(const LayoutObject& root) {
  std::vector<PictureUse> uses;
  // The colour behind each object: its own Color, else its parent's.
  std::vector<std::pair<const LayoutObject*, LayoutValue>> colors;
  auto backgroundOf = [&](const LayoutObject& o, const LayoutObject* parent) {
    if (const LayoutProperty* c = o.Find("Color")) return c->value;
    for (auto it = colors.rbegin(); it != colors.rend(); ++it) {
      if (it->first == parent) return it->second;
    }
    LayoutValue v;
    v.kind = LayoutValue::Kind::Ident;
    v.text = "clBtnFace";
    return v;
  };
  root.Walk([&](const LayoutObject& o, const LayoutObject* parent) {
    LayoutValue bg = backgroundOf(o, parent);
    colors.emplace_back(&o, bg);
    auto add = [&](const LayoutProperty& p, const std::string& source, int w, int h,
                   PictureFormat f) {
      PictureUse u;
      u.source = source;
      u.width = w;
      u.height = h;
      u.format = f;
      u.background = bg;
      u.object = o.name;
      u.file = p.file;
      u.line = p.line;
      uses.push_back(std::move(u));
    };
    for (const LayoutProperty& p : o.properties) {
      if (p.value.kind == LayoutValue::Kind::String && !p.value.text.empty()) {
        if (p.name == "Picture") {
          add(p, p.value.text, IntProperty(o, "Width", 105), IntProperty(o, "Height", 105),
              PictureFormat::Jpeg);
        } else if (p.name == "Glyph" || p.name == "Bitmap" || p.name == "Icon") {
          add(p, p.value.text, 0, 0, PictureFormat::Png);
        }
      } else if (p.name == "Pictures.Strings" && p.value.kind == LayoutValue::Kind::List) {
        for (const std::string& s : p.value.items) {
          add(p, s, IntProperty(o, "Width", 16), IntProperty(o, "Height", 16), PictureFormat::Png);
        }
      }
    }
  });
  return uses;
}
