// An enlarged picture is its small picture drawn larger: for every clickable picture of the
// exercise pages, the source of the file that the click opens uses the source of the clicked
// picture (stage included) and adds nothing but labels; and every enlarged source is such a
// reference, so that none is a copy that could drift from its small picture.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <map>
#include <set>

#include "exercises/unit_frmFceCElemAbs.h"
#include "exercises/unit_frmFceCElemCyklom.h"
#include "exercises/unit_frmFceCElemExpon.h"
#include "exercises/unit_frmFceCElemGonCos.h"
#include "exercises/unit_frmFceCElemGonCotg.h"
#include "exercises/unit_frmFceCElemGonKruznice.h"
#include "exercises/unit_frmFceCElemGonOpak.h"
#include "exercises/unit_frmFceCElemGonSin.h"
#include "exercises/unit_frmFceCElemGonTg.h"
#include "exercises/unit_frmFceCElemKvadr.h"
#include "exercises/unit_frmFceCElemLin.h"
#include "exercises/unit_frmFceCElemLog.h"
#include "exercises/unit_frmFceCElemLom.h"
#include "exercises/unit_frmFceCElemMocninna.h"
#include "exercises/unit_frmFceCElemParam.h"
#include "exercises/unit_frmFceCElemPrehled.h"
#include "exercises/unit_frmFceCGraf.h"
#include "exercises/unit_frmFceCInverzni.h"
#include "exercises/unit_frmFceCVDf.h"
#include "exercises/unit_frmFceCVHf.h"
#include "exercises/unit_frmFceCVextremy.h"
#include "exercises/unit_frmFceCVmonotonie.h"
#include "exercises/unit_frmFceCVomezenost.h"
#include "exercises/unit_frmFceCVperioda.h"
#include "exercises/unit_frmFceCVprosta.h"
#include "exercises/unit_frmFceCVsudost.h"
#include "platform/layout_text.h"

namespace {

const QString kSources = QStringLiteral(ZALMIRA_SOURCE_DIR);

QString ReadSource(const QString& path) {
  QFile f(kSources + "/" + path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// What a reference says: the source it uses, and the statements it adds that draw something
// besides labels. Empty `used` when it uses none.
struct Reference {
  QString used;
  QStringList drawing;
};

Reference ReadReference(const QString& text) {
  static const QStringList labels = {"size", "labels", "ticks", "text"};
  Reference r;
  for (const QString& raw : text.split('\n')) {
    const QStringList w = raw.simplified().split(' ', Qt::SkipEmptyParts);
    if (w.isEmpty() || w[0].startsWith('#')) continue;
    if (w[0] == "use" && w.size() >= 2 && r.used.isEmpty()) {
      r.used = w[1];
    } else if (!labels.contains(w[0])) {
      r.drawing << raw.trimmed();
    }
  }
  return r;
}

// The source of an enlarged picture: "files/img/BIG/graf/u01a_big" with the extension it has.
QString EnlargedSource(const QString& stem) {
  for (const char* ext : {".graph", ".ref"}) {
    if (QFile::exists(kSources + "/" + stem + ext)) return stem + ext;
  }
  return {};
}

struct Page {
  const char* layout;
  ExerciseTables& (*tables)();
  size_t pictures;  // clickable pictures of the page
  // Pictures bound to the handler of another picture, which open that picture's enlargement
  // rather than their own: the answers of 2.1 and the formulas of 2.3 (the first task graph's),
  // the descriptions of task 4 on 4.2 (their item's graph), the second results of task 1 on 4.5,
  // the formulas under the pieces of task 3 on 4.9 (the first graph of their row).
  std::string borrowingPrefix = "";
};

const Page kPages[] = {
    {"frmFceCGraf", &TfrmFceCGraf::Tables, 16},
    {"frmFceCElemLin", &TfrmFceCElemLin::Tables, 14},
    {"frmFceCElemKvadr", &TfrmFceCElemKvadr::Tables, 54, "resu4"},
    {"frmFceCElemPrehled", &TfrmFceCElemPrehled::Tables, 50},
    {"frmFceCElemLom", &TfrmFceCElemLom::Tables, 36},
    {"frmFceCElemMocninna", &TfrmFceCElemMocninna::Tables, 12},
    {"frmFceCElemExpon", &TfrmFceCElemExpon::Tables, 46, "resu1"},
    {"frmFceCElemLog", &TfrmFceCElemLog::Tables, 38},
    {"frmFceCElemAbs", &TfrmFceCElemAbs::Tables, 71, "nap3"},
    {"frmFceCElemParam", &TfrmFceCElemParam::Tables, 42},
    {"frmFceCVDf", &TfrmFceCVDf::Tables, 16},
    {"frmFceCVHf", &TfrmFceCVHf::Tables, 16},
    {"frmFceCVmonotonie", &TfrmFceCVmonotonie::Tables, 16, "resu1"},
    {"frmFceCVextremy", &TfrmFceCVextremy::Tables, 8},
    {"frmFceCVomezenost", &TfrmFceCVomezenost::Tables, 24, "Image"},
    {"frmFceCVprosta", &TfrmFceCVprosta::Tables, 16},
    {"frmFceCVsudost", &TfrmFceCVsudost::Tables, 16},
    {"frmFceCVperioda", &TfrmFceCVperioda::Tables, 22},
    {"frmFceCInverzni", &TfrmFceCInverzni::Tables, 38},
    {"frmFceCElemGonSin", &TfrmFceCElemGonSin::Tables, 16},
    {"frmFceCElemGonCos", &TfrmFceCElemGonCos::Tables, 16},
    {"frmFceCElemGonTg", &TfrmFceCElemGonTg::Tables, 16},
    {"frmFceCElemGonCotg", &TfrmFceCElemGonCotg::Tables, 16},
    // The plain circles of the first steps are bound to item a)'s last circle.
    {"frmFceCElemGonKruznice", &TfrmFceCElemGonKruznice::Tables, 26, "nap3"},
    {"frmFceCElemGonOpak", &TfrmFceCElemGonOpak::Tables, 24},
    {"frmFceCElemCyklom", &TfrmFceCElemCyklom::Tables, 12},
};

TEST(EnlargedSources, EachUsesTheSourceOfThePictureThatOpensItAndAddsOnlyLabels) {
  std::set<QString> checked;
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.layout);
    const LayoutObject root = ReadLayoutFile(
        std::string(page.layout) + ".lay", LayoutFolderReader(kSources.toStdString() + "/layouts"));
    // Which handler each control's click runs, and the reference of its picture.
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
      const QString stem =
          QString::fromStdString("files/" + tables.Settings().folder + h.picture + "_big");
      const QString big = EnlargedSource(stem);
      ASSERT_FALSE(big.isEmpty()) << stem.toStdString() << " has no source";
      const Reference ref = ReadReference(ReadSource(big));
      EXPECT_TRUE(ref.drawing.isEmpty())
          << big.toStdString()
          << " draws more than its small picture: " << ref.drawing.join(" | ").toStdString();
      for (auto it = from; it != to; ++it) {
        // The picture whose handler it is: the handler's name without "Click".
        const std::string owner = h.name.substr(0, h.name.size() - 5);
        const bool borrowing = it->second != owner && pictureOf.count(owner) &&
                               !page.borrowingPrefix.empty() &&
                               it->second.rfind(page.borrowingPrefix, 0) == 0;
        const QString small = QString::fromStdString(pictureOf[borrowing ? owner : it->second]);
        ASSERT_FALSE(small.isEmpty()) << it->second << " shows no picture";
        EXPECT_EQ(ref.used.toStdString(), "layouts/" + small.toStdString())
            << it->second << " opens " << big.toStdString();
        ++compared;
      }
      checked.insert(big);
    }
    EXPECT_EQ(compared, page.pictures);
  }
  // Every enlarged source belongs to a clickable picture.
  QDirIterator it(kSources + "/files/img/BIG", QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next().mid(kSources.size() + 1);
    EXPECT_TRUE(checked.count(path)) << path.toStdString() << " is opened by no picture";
  }
}

TEST(EnlargedSources, TheReadingSeesTheUsedSourceAndWhatIsDrawnBesideLabels) {
  const Reference labelsOnly = ReadReference(
      "# the answer, larger\n"
      "use layouts/CGraf/u01a.graph#2 scale 1.5\n"
      "size 360 360\nticks 1\nlabels on\n"
      "text -2 2 \"[−2; 2]\" size 14\n");
  EXPECT_EQ(labelsOnly.used.toStdString(), "layouts/CGraf/u01a.graph#2");
  EXPECT_TRUE(labelsOnly.drawing.isEmpty());
  for (const char* drawn : {"plot x^2", "point 1 2", "vline 1", "view -5 5 -5 5",
                            "use layouts/CGraf/u01b.graph", "fill 0 0 1 1"}) {
    const Reference r = ReadReference(QString("use layouts/CGraf/u01a.graph\n") + drawn + "\n");
    EXPECT_EQ(r.drawing.join('|').toStdString(), drawn);
  }
  EXPECT_TRUE(ReadReference("size 300 300\nview -4 4 -4 4\nplot x\n").used.isEmpty())
      << "a hand-drawn copy uses nothing";
}

}  // namespace
