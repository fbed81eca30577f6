// Evaluation speed of the engine against muparser on the same expressions, measured in one run,
// and the time of a whole graph. Prints "BENCH <name> <value> <unit>" lines after the table.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/unit_graf.h"
#include "engine/unit_graf_kvantovani.h"
#include "platform/extctrls.h"

namespace {

struct Expression {
  const char* engine;
  const char* muparser;  // the same function in muparser's syntax
};

// muparser has no n-th root: x^(1/3), which is undefined for negative x, stands for odm(3;x).
const Expression kExpressions[] = {
    {"2x+1", "2*x+1"},
    {"sin(x)^2", "sin(x)^2"},
    {"x^3-2*x^2+x-1", "x^3-2*x^2+x-1"},
    {"1/x+1/(x-1)", "1/x+1/(x-1)"},
    {"abs(x-1)/x", "abs(x-1)/x"},
    {"log(x)", "log10(x)"},
    {"odm(3;x)", "x^(1/3)"},
    {"(x^2+1)/(x^2-1)", "(x^2+1)/(x^2-1)"},
    {"1*sin(2*x+0,5*3,14159)+1", "1*sin(2*x+0.5*3.14159)+1"},
};

// The x of the 338 columns of a 337 px picture at scale 20, as a plot samples them.
constexpr int kColumns = 338;
double ColumnX(int column) {
  return column * (1.0 / 20) - 8;
}

TokenList Parse(const char* text) {
  TokenList list;
  if (!ParseExpression(text, list)) {
    std::fprintf(stderr, "cannot parse %s\n", text);
    std::exit(1);
  }
  return list;
}

// One iteration is one plot's worth of evaluations, as the plotter makes them.
void EngineEvaluation(benchmark::State& state, const char* text) {
  CompiledExpression expression(Parse(text));
  std::vector<double> xs;
  for (int column = 0; column < kColumns; ++column) xs.push_back(ColumnX(column));
  for (auto _ : state) benchmark::DoNotOptimize(expression.EvaluatePlot(xs));
}

// The same one sample at a time, through the ring as EvaluatePostfix keeps it.
void EngineSingleEvaluation(benchmark::State& state, const char* text) {
  CompiledExpression expression(Parse(text));
  for (auto _ : state) {
    SignRing ring;
    bool first = true;
    double sum = 0;
    for (int column = 0; column < kColumns; ++column) {
      bool defined, jump = false;
      double y = expression.Evaluate(ColumnX(column), defined, jump, first, ring);
      if (defined) {
        first = false;
        sum += y;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}

void MuparserEvaluation(benchmark::State& state, const char* text) {
  mu::Parser parser;
  double x = 0;
  parser.DefineVar("x", &x);
  parser.SetExpr(text);
  for (auto _ : state) {
    double sum = 0;
    for (int column = 0; column < kColumns; ++column) {
      x = ColumnX(column);
      double y = parser.Eval();
      if (std::isfinite(y)) sum += y;
    }
    benchmark::DoNotOptimize(sum);
  }
}

// Texts as long as an edit takes (32767 characters): "(-(-(…x…)))" and a flat chain.
std::string Nested32k() {
  std::string text;
  const int levels = (32767 - 1) / 3;
  for (int i = 0; i < levels; ++i) text += "(-";
  text += "x";
  text.append(levels, ')');
  return text;
}

std::string Flat32k() {
  std::string text = "x";
  const std::string link = "+2,5*x-x/3";
  while (text.size() + link.size() <= 32767) text += link;
  return text;
}

void Parse32k(benchmark::State& state, std::string (*make)()) {
  const std::string text = make();
  for (auto _ : state) {
    TokenList list;
    if (!ParseExpression(text, list)) state.SkipWithError("not parsed");
    benchmark::DoNotOptimize(list);
  }
}

void WholeGraph(benchmark::State& state) {
  TImage image(nullptr);
  image.SetBounds(0, 0, 337, 337);
  Tgraf graf(Toblast{0, 337, 0, 337}, 20);
  TokenList list = Parse("1*sin(2*x+0,5*3,14159)+1");
  for (auto _ : state) graf.DrawGraph(image, CopyTokenList(list), 255, true);
}

// The two-variable colour map of a 337 x 337 picture at scale 20: 113 569 evaluations and as
// many pixels. The second expression is a heavier one, with a root, a sine and a quotient.
constexpr const char* kColourMaps[] = {"x*y", "odm(2;x^2+y^2)*sin(x)/(y+1)"};

void ColourMap(benchmark::State& state, const char* text) {
  TImage image(nullptr);
  image.SetBounds(0, 0, 337, 337);
  unit_graf_kvantovani::Tgraf graf(Toblast{0, 337, 0, 337}, 20);
  TokenList list;
  if (!unit_graf_kvantovani::ParseExpression(text, list)) {
    std::fprintf(stderr, "cannot parse %s\n", text);
    std::exit(1);
  }
  for (auto _ : state) graf.DrawGraph(image, CopyTokenList(list), 255, true);
}

// Collects the time per iteration of every run, in nanoseconds, besides printing the table.
class Collector : public benchmark::ConsoleReporter {
 public:
  // No colours: the BENCH lines that follow the table must start their lines.
  Collector() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      double ns = run.GetAdjustedRealTime() *
                  benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                  benchmark::GetTimeUnitMultiplier(run.time_unit);
      times[run.run_name.function_name].push_back(ns);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The median over the repetitions.
  double Median(const std::string& name) {
    std::vector<double> v = times.at(name);
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  }

  std::map<std::string, std::vector<double>> times;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);

  for (const Expression& e : kExpressions) {
    benchmark::RegisterBenchmark(("engine/" + std::string(e.engine)).c_str(), EngineEvaluation,
                                 e.engine)
        ->MinTime(0.1)
        ->Repetitions(5);
    benchmark::RegisterBenchmark(("single/" + std::string(e.engine)).c_str(),
                                 EngineSingleEvaluation, e.engine)
        ->MinTime(0.1)
        ->Repetitions(5);
    benchmark::RegisterBenchmark(("muparser/" + std::string(e.engine)).c_str(), MuparserEvaluation,
                                 e.muparser)
        ->MinTime(0.1)
        ->Repetitions(5);
  }
  benchmark::RegisterBenchmark("graph_337", WholeGraph)->MinTime(0.1)->Repetitions(5);
  benchmark::RegisterBenchmark("parse_32k_nested", Parse32k, Nested32k)
      ->MinTime(0.1)
      ->Repetitions(5);
  benchmark::RegisterBenchmark("parse_32k_flat", Parse32k, Flat32k)->MinTime(0.1)->Repetitions(5);
  for (const char* text : kColourMaps) {
    benchmark::RegisterBenchmark(("colour_map/" + std::string(text)).c_str(), ColourMap, text)
        ->MinTime(0.2)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
  }

  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);

  double logSum = 0;
  int n = 0;
  for (const Expression& e : kExpressions) {
    std::string name = e.engine;
    if (!collector.times.count("engine/" + name) || !collector.times.count("muparser/" + name)) {
      continue;  // filtered out
    }
    double engine = collector.Median("engine/" + name) / kColumns;
    double muparser = collector.Median("muparser/" + name) / kColumns;
    std::printf("BENCH eval_ns_%s %.2f ns\n", e.engine, engine);
    if (collector.times.count("single/" + name)) {
      std::printf("BENCH eval_single_ns_%s %.2f ns\n", e.engine,
                  collector.Median("single/" + name) / kColumns);
    }
    std::printf("BENCH muparser_ns_%s %.2f ns\n", e.engine, muparser);
    std::printf("BENCH ratio_%s %.2f x\n", e.engine, engine / muparser);
    logSum += std::log(engine / muparser);
    ++n;
  }
  if (n > 0) std::printf("BENCH engine_vs_muparser %.2f x\n", std::exp(logSum / n));
  if (collector.times.count("graph_337")) {
    std::printf("BENCH graph_337_ms %.4f ms\n", collector.Median("graph_337") / 1e6);
  }
  for (const char* name : {"parse_32k_nested", "parse_32k_flat"}) {
    if (collector.times.count(name)) {
      std::printf("BENCH %s_ms %.4f ms\n", name, collector.Median(name) / 1e6);
    }
  }
  // The figure is the slower of the two maps.
  double colourMap = 0;
  for (const char* text : kColourMaps) {
    std::string name = "colour_map/" + std::string(text);
    if (!collector.times.count(name)) continue;
    double ms = collector.Median(name) / 1e6;
    std::printf("BENCH colour_map_337_ms_%s %.2f ms\n", text, ms);
    colourMap = std::max(colourMap, ms);
  }
  if (colourMap > 0) std::printf("BENCH colour_map_337_ms %.2f ms\n", colourMap);
  benchmark::Shutdown();
  return 0;
}
