// An enlarged graph is its small picture drawn larger: for every clickable graph of pages 1.3,
// 4.1 and 4.11, the source of the file that the click opens draws the same view, curves,
// asymptotes and points as the source of the clicked picture. Line widths, point radii and the
// labels may differ with the size.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <map>

#include "exercises/unit_frmFceCElemLin.h"
#include "exercises/unit_frmFceCElemPrehled.h"
#include "exercises/unit_frmFceCGraf.h"
#include "platform/layout_text.h"

namespace {

const std::string kSources = ZALMIRA_SOURCE_DIR;

std::string ReadSource(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

// The statements of a graph that say what it shows, one text each, in their order. Of the
// options only those that change what is shown count: the colour, the interval, dashes, an
// open point.
std::vector<std::string> WhatItDraws(const std::string& source) {
  std::vector<std::string> out;
  for (const QString& raw : QString::fromStdString(source).split('\n')) {
    QStringList w = raw.trimmed().split(' ', Qt::SkipEmptyParts);
    if (w.isEmpty()) continue;
    const QString kind = w[0];
    int positional = 0;
    if (kind == "view") positional = 5;
    if (kind == "plot" || kind == "vline" || kind == "hline") positional = 2;
    if (kind == "point") positional = 3;
    if (positional == 0 || w.size() < positional) continue;
    QStringList shown = w.mid(0, positional);
    std::map<QString, QString> options;
    for (int i = positional; i < w.size(); ++i) {
      if (w[i] == "dashed" || w[i] == "open" || w[i] == "full") {
        options[w[i]] = "";
      } else if (i + 1 < w.size()) {
        options[w[i]] = w[i + 1];
        ++i;
      }
    }
    for (const char* key : {"color", "from", "to", "dashed", "open"}) {
      auto it = options.find(key);
      if (it != options.end()) shown << (it->first + " " + it->second).trimmed();
    }
    out.push_back(shown.join(' ').toStdString());
  }
  return out;
}

struct Page {
  const char* layout;
  ExerciseTables& (*tables)();
  size_t graphs;  // clickable graphs of the page
};

TEST(EnlargedSources, EveryEnlargedGraphDrawsWhatItsSmallPictureDraws) {
  const Page pages[] = {
      {"frmFceCGraf", &TfrmFceCGraf::Tables, 16},
      {"frmFceCElemLin", &TfrmFceCElemLin::Tables, 14},
      {"frmFceCElemPrehled", &TfrmFceCElemPrehled::Tables, 50},
  };
  for (const Page& page : pages) {
    SCOPED_TRACE(page.layout);
    const LayoutObject root = ReadLayoutFile(std::string(page.layout) + ".lay",
                                             LayoutFolderReader(kSources + "/layouts"));
    // Which handler each control's click runs, and the source of its picture.
    std::multimap<std::string, std::string> controlsOf;
    std::map<std::string, std::string> pictureOf;
    root.Walk([&](const LayoutObject& o, const LayoutObject*) {
      if (const LayoutProperty* click = o.Find("OnClick"))
        controlsOf.emplace(click->value.text, o.name);
      if (const LayoutProperty* picture = o.Find("Picture"))
        pictureOf[o.name] = picture->value.text;
    });
    const ExerciseTables& tables = page.tables();
    size_t compared = 0;
    for (const ExerciseHandler& h : tables.Handlers()) {
      if (h.kind != ExerciseHandler::Kind::Enlarge) continue;
      auto [from, to] = controlsOf.equal_range(h.name);
      EXPECT_NE(from, to) << h.name << " is bound to no control";
      for (auto it = from; it != to; ++it) {
        const std::string& small = pictureOf[it->second];
        if (!small.ends_with(".graph")) continue;
        const std::string big = "files/" + tables.Settings().folder + h.picture + "_big.graph";
        const std::string bigText = ReadSource(kSources + "/" + big);
        ASSERT_FALSE(bigText.empty()) << big;
        const std::vector<std::string> drawn =
            WhatItDraws(ReadSource(kSources + "/layouts/" + small));
        EXPECT_FALSE(drawn.empty()) << small;
        EXPECT_EQ(WhatItDraws(bigText), drawn) << it->second << ": " << small << " and " << big;
        ++compared;
      }
    }
    EXPECT_EQ(compared, page.graphs);
  }
}

TEST(EnlargedSources, TheComparisonSeesWhatTheGraphShowsAndNothingElse) {
  const std::string small =
      "view -4 4 -4 4\n"
      "text 1 0 \"1\" size 10 anchor middle dy 10\n"
      "plot 2^x color red width 1,5\n"
      "hline 0 color blue width 1 dashed\n"
      "point -1 2 open color red radius 2.5\n";
  const std::string larger =
      "size 300 300\nview -4 4 -4 4\nlabels on\n"
      "plot 2^x color red width 2,5\n"
      "hline 0 color blue width 1,5 dashed\n"
      "point -1 2 open color red radius 5\n";
  EXPECT_EQ(WhatItDraws(small), WhatItDraws(larger));
  struct Change {
    const char *from, *to;
  };
  const Change changes[] = {
      {"plot 2^x", "plot 2^(x+1)"},
      {"view -4 4 -4 4", "view -5 5 -5 5"},
      {"hline 0", "hline 1"},
      {"color blue", "color navy"},
      {" dashed", ""},
      {"point -1 2 open", "point -1 2 full"},
      {"color red width 2,5", "color red width 2,5 from 0"},
  };
  for (const Change& c : changes) {
    std::string changed = larger;
    changed.replace(changed.find(c.from), std::string(c.from).size(), c.to);
    EXPECT_NE(WhatItDraws(small), WhatItDraws(changed)) << c.from << " → " << c.to;
  }
}

}  // namespace
