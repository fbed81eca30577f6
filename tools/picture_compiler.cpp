// The picture compiler: renders every picture that the layouts use and every source under
// files/ into the forms the program carries, and lists the layouts and pictures for rcc.
//
//   zpicc --layouts DIR --files DIR --out DIR
//
// Writes OUT/pictures/<name> (see RenderedPictureName), OUT/assets.qrc and the files beside the
// program into OUT/appfiles/; OUT/keys/ remembers what each output was rendered from, so that
// unchanged pictures are not rendered again. Fails (exit code 1) on a source that is missing or
// does not render, listing every such problem.
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform/graphics.h"
#include "platform/jpeg.h"
#include "platform/layout_pictures.h"
#include "platform/sysutils.h"
#include "tools/picture_sources.h"

namespace {

// Bumped whenever rendering changes, so that every picture is rendered again.
constexpr const char* kRenderVersion = "zpicc-10";

struct Job {
  QString source;    // absolute path of the source
  QString output;    // absolute path of the result
  QString relative;  // name for messages
  int width = 0, height = 0;
  int stage = 0;
  PictureFormat format = PictureFormat::Jpeg;
  QColor background = Qt::white;
  bool convertText = false;  // a question file: UTF-8 to code page 1250
  bool copy = false;         // carried as it is
};

std::uint64_t Fnv(const QByteArray& data, std::uint64_t h = 1469598103934665603ull) {
  for (char c : data) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return h;
}

QString JobKey(const Job& job, const QByteArray& content) {
  QByteArray meta = QByteArray(kRenderVersion) + "|" + QByteArray::number(job.width) + "x" +
                    QByteArray::number(job.height) + "#" + QByteArray::number(job.stage) + "|" +
                    QByteArray::number(static_cast<int>(job.format)) + "|" +
                    job.background.name().toLatin1() + (job.convertText ? "|cp1250" : "") +
                    (job.copy ? "|copy" : "");
  return QString::number(Fnv(content, Fnv(meta)), 16);
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  return f.write(data) == data.size();
}

QColor BackgroundColor(const LayoutValue& v) {
  TColor c = clBtnFace;
  if (v.kind == LayoutValue::Kind::Integer) c = static_cast<TColor>(v.integer);
  if (v.kind == LayoutValue::Kind::Ident) IdentToColor(v.text, c);
  return ToQColor(c);
}

// Where the sources that others `use` lie: "layouts/..." and "files/..." from the root.
struct Folders {
  QString layouts, files;
  bool Open(const std::string& path, QByteArray& text) const {
    const QString p = QString::fromStdString(path);
    if (p.contains("..")) return false;
    QString full;
    if (p.startsWith("layouts/")) full = layouts + p.mid(7);
    if (p.startsWith("files/") && !files.isEmpty()) full = files + p.mid(5);
    QFile f(full);
    if (full.isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    text = f.readAll();
    return true;
  }
  // The content of a source and of every source it uses, for the job's key.
  QByteArray WithUsed(const QString& path, const QByteArray& content, int depth = 0) const {
    QByteArray all = content;
    if (depth > 4) return all;
    for (const std::string& used : UsedSources(SourceKindOf(path.toStdString()), content)) {
      QByteArray text;
      all += "\n--" + QByteArray::fromStdString(used) + "\n";
      if (Open(used, text)) all += WithUsed(QString::fromStdString(used), text, depth + 1);
    }
    return all;
  }
};

// Renders one job; an empty string on success, else the reason.
std::string Run(const Job& job, const Folders& folders) {
  QFile in(job.source);
  if (!in.open(QIODevice::ReadOnly)) return "cannot read the source";
  QByteArray content = in.readAll();
  QByteArray out;
  if (job.copy) {
    out = content;
  } else if (job.convertText) {
    try {
      out = QByteArray::fromStdString(Utf8ToCp1250(content.toStdString()));
    } catch (const Exception& e) {
      return e.Message();
    }
  } else {
    RenderRequest req;
    req.kind = SourceKindOf(job.source.toStdString());
    req.text = content;
    req.width = job.width;
    req.height = job.height;
    req.stage = job.stage;
    req.open = [&folders](const std::string& path, QByteArray& text) {
      return folders.Open(path, text);
    };
    req.background = job.background;
    req.transparent = job.format == PictureFormat::Png;
    RenderResult r = RenderSource(req);
    if (!r.error.empty()) return r.error;
    if (job.format == PictureFormat::Png) {
      QBuffer buffer(&out);
      buffer.open(QIODevice::WriteOnly);
      if (!r.image.save(&buffer, "PNG")) return "PNG encoding failed";
    } else {
      try {
        out = EncodeJpeg(r.image, 92);
      } catch (const Exception& e) {
        return e.Message();
      }
    }
  }
  if (!WriteFile(job.output, out)) return "cannot write " + job.output.toStdString();
  return {};
}

QString Arg(const QStringList& args, const QString& name) {
  int i = args.indexOf(name);
  return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  InstallFontSubstitutions();
  const QStringList args = app.arguments();
  const QString layoutsDir = QDir(Arg(args, "--layouts")).absolutePath();
  const QString filesDir =
      Arg(args, "--files").isEmpty() ? QString() : QDir(Arg(args, "--files")).absolutePath();
  const QString outDir = QDir(Arg(args, "--out")).absolutePath();
  if (Arg(args, "--layouts").isEmpty() || Arg(args, "--out").isEmpty()) {
    std::fprintf(stderr, "usage: zpicc --layouts DIR --files DIR --out DIR\n");
    return 2;
  }

  const Folders folders{layoutsDir, filesDir};
  std::vector<std::string> problems;
  std::vector<Job> jobs;
  std::map<QString, QColor> picturesByName;  // rendered name -> background
  QStringList layoutFiles;
  std::set<std::string> pieces;  // what the layouts include, carried beside them

  // Pictures of the layouts.
  QDirIterator lit(layoutsDir, {"*.lay"}, QDir::Files);
  while (lit.hasNext()) layoutFiles << lit.next();
  layoutFiles.sort();
  for (const QString& path : layoutFiles) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    const LayoutFileReader folder = LayoutFolderReader(layoutsDir.toStdString());
    LayoutObject root;
    try {
      root = ReadLayoutFile(name, [&](const std::string& file) {
        if (file != name) pieces.insert(file);
        return folder(file);
      });
    } catch (const ELayoutError& e) {
      problems.push_back(e.what());
      continue;
    }
    for (const PictureUse& use : PictureUses(root)) {
      std::string where = use.file + ":" + std::to_string(use.line) + ": " + use.object;
      PictureReference ref;
      if (!SplitPictureReference(use.source, ref)) {
        problems.push_back(where + ": " + use.source + " names no stage after the #");
        continue;
      }
      QString source = layoutsDir + "/" + QString::fromStdString(ref.file);
      if (!QFileInfo(source).isFile()) {
        problems.push_back(where + ": no picture source " + ref.file);
        continue;
      }
      QString name = QString::fromStdString(
          RenderedPictureName(use.source, use.width, use.height, use.format));
      QColor bg = BackgroundColor(use.background);
      auto known = picturesByName.find(name);
      if (known != picturesByName.end()) {
        if (known->second != bg && use.format == PictureFormat::Jpeg) {
          problems.push_back(where + ": " + use.source +
                             " is used on two backgrounds; give each its own source");
        }
        continue;
      }
      picturesByName[name] = bg;
      Job job;
      job.source = source;
      job.output = outDir + "/pictures/" + name;
      job.relative = QString::fromStdString(use.source);
      job.width = use.width;
      job.height = use.height;
      job.stage = ref.stage;
      job.format = use.format;
      job.background = bg;
      job.copy = QString::fromStdString(use.source) == name;
      jobs.push_back(job);
    }
  }

  // The files beside the program.
  if (!filesDir.isEmpty() && QFileInfo(filesDir).isDir()) {
    QDirIterator fit(filesDir, QDir::Files, QDirIterator::Subdirectories);
    while (fit.hasNext()) {
      QString path = fit.next();
      QString rel = QDir(filesDir).relativeFilePath(path);
      if (rel == "CMakeLists.txt" || rel.endsWith(".md")) continue;
      Job job;
      job.source = path;
      job.relative = rel;
      SourceKind kind = SourceKindOf(path.toStdString());
      if (kind == SourceKind::Other) {
        job.output = outDir + "/appfiles/" + rel;
        job.convertText = rel.startsWith("test/") && rel.endsWith(".txt");
        job.copy = !job.convertText;
      } else {
        std::string name = RenderedPictureName(rel.toStdString(), 0, 0, PictureFormat::Jpeg);
        // Files keep their own name with the picture extension: p1a_big.svg -> p1a_big.jpg.
        QString out = QString::fromStdString(name);
        QString base = rel.left(rel.lastIndexOf('.'));
        if (base.endsWith(".png")) base.chop(4);
        out = base + (out.endsWith(".png") ? ".png" : ".jpg");
        job.output = outDir + "/appfiles/" + out;
        job.format = out.endsWith(".png") ? PictureFormat::Png : PictureFormat::Jpeg;
      }
      jobs.push_back(job);
    }
  }

  // Render what changed, in parallel.
  std::mutex mutex;
  std::atomic<size_t> next{0};
  std::atomic<int> rendered{0};
  auto worker = [&] {
    for (;;) {
      size_t i = next++;
      if (i >= jobs.size()) return;
      const Job& job = jobs[i];
      QFile in(job.source);
      in.open(QIODevice::ReadOnly);
      QString key = JobKey(job, folders.WithUsed(job.source, in.readAll()));
      // The keys lie apart from the outputs, which are copied beside the program.
      const QString keyPath =
          outDir + "/keys/" + QDir(outDir).relativeFilePath(job.output) + ".key";
      QFile keyFile(keyPath);
      if (QFileInfo(job.output).isFile() && keyFile.open(QIODevice::ReadOnly) &&
          QString::fromLatin1(keyFile.readAll()) == key) {
        continue;
      }
      keyFile.close();
      std::string error = Run(job, folders);
      if (!error.empty()) {
        std::lock_guard<std::mutex> lock(mutex);
        problems.push_back(job.relative.toStdString() + ": " + error);
        continue;
      }
      WriteFile(keyPath, key.toLatin1());
      ++rendered;
    }
  };
  std::vector<std::thread> threads;
  unsigned n = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
  for (unsigned i = 0; i < n; ++i) threads.emplace_back(worker);
  for (auto& t : threads) t.join();

  if (!problems.empty()) {
    for (const auto& p : problems) std::fprintf(stderr, "zpicc: %s\n", p.c_str());
    return 1;
  }

  // The resource list for rcc.
  QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (const QString& path : layoutFiles) {
    qrc += "  <file alias=\"layouts/" + QFileInfo(path).fileName().toUtf8() + "\">" +
           path.toUtf8() + "</file>\n";
  }
  for (const std::string& piece : pieces) {
    qrc += "  <file alias=\"layouts/" + QByteArray::fromStdString(piece) + "\">" +
           (layoutsDir + "/").toUtf8() + QByteArray::fromStdString(piece) + "</file>\n";
  }
  for (const auto& [name, bg] : picturesByName) {
    qrc += "  <file alias=\"pictures/" + name.toUtf8() + "\">" +
           (outDir + "/pictures/" + name).toUtf8() + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  QFile old(outDir + "/assets.qrc");
  if (!old.open(QIODevice::ReadOnly) || old.readAll() != qrc || rendered > 0) {
    old.close();
    WriteFile(outDir + "/assets.qrc", qrc);
  }
  std::printf("zpicc: %zu pictures and files, %d rendered\n", jobs.size(), rendered.load());
  return 0;
}
