// The exercise page 4.5  Exponenciální funkce, and the handler table it shares with its twin,
// the page 4.6  Logaritmická funkce: the graph sketched, the graph from a table of values beside
// the basic graph, the properties and the asymptote read from a graph.
#pragma once

#include <string>
#include <vector>

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

// What the handlers of the twin pages do differently. (Which second result pieces of tab 1 open
// their item's graph is a binding of the layout.)
struct ExpLogMember {
  std::vector<std::string> hint1a;  // the two pieces of task 1's stepped hint of item a) ...
  std::vector<std::string> hint1b;  // ... and of item b)
  std::string resultSuffix2;        // the result graphs of task 2 open "p2a" + this, "p2b" + this
  std::string graphSuffix3;         // the task graphs of task 3 open "u3a" + this ... "u3j" + this
};

// The handler table of one of the twins.
std::vector<ExerciseHandler> ExpLogHandlers(const ExpLogMember& member);

class TfrmFceCElemExpon : public TForm {
 public:
  explicit TfrmFceCElemExpon(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its four hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemExpon* frmFceCElemExpon;
