#include "exercises/exercise_page.h"

#include <set>

#include "shell/lupa.h"
#include "shell/unit_frmMain.h"

ExerciseHandler Result(std::string handler, std::vector<std::string> pieces) {
  return {std::move(handler), ExerciseHandler::Kind::Show, {{std::move(pieces)}}, {}};
}

ExerciseHandler Hint(std::string handler, std::vector<std::string> pieces) {
  return {std::move(handler), ExerciseHandler::Kind::Hint, {{std::move(pieces)}}, {}};
}

ExerciseHandler Stepped(std::string handler, std::vector<HintStepPieces> steps) {
  return {std::move(handler), ExerciseHandler::Kind::Stepped, std::move(steps), {}};
}

ExerciseHandler Enlarge(std::string handler, std::string picture) {
  return {std::move(handler), ExerciseHandler::Kind::Enlarge, {}, std::move(picture)};
}

ExerciseTables::ExerciseTables(Options options, std::vector<ExerciseHandler> handlers)
    : options_(std::move(options)), handlers_(std::move(handlers)) {
  for (const ExerciseHandler& h : handlers_) {
    if (h.kind == ExerciseHandler::Kind::Stepped) hintStep_[h.name] = 0;
  }
}

void ExerciseTables::AddTo(TFormClass& cls) {
  cls.Handler<TForm>("Akce", [this](TForm& f, TObject*) { Akce(f); });
  if (options_.slot > 0) {
    cls.Handler<TForm>("prikladyChange", [this](TForm& f, TObject*) { prikladyChange(f); });
  }
  std::set<std::string> pieces, files;
  for (const ExerciseHandler& h : handlers_) {
    std::string name = h.name;
    cls.Handler<TForm>(name, [this, name](TForm& f, TObject* sender) { Run(f, name, sender); });
    for (const HintStepPieces& s : h.steps) {
      pieces.insert(s.show.begin(), s.show.end());
      pieces.insert(s.hide.begin(), s.hide.end());
    }
    if (h.kind == ExerciseHandler::Kind::Enlarge) {
      files.insert(options_.folder + h.picture + "_big.jpg");
    }
  }
  if (options_.selectsTab) pieces.insert("priklady");
  cls.Requires({pieces.begin(), pieces.end()});
  cls.RequiresFiles({files.begin(), files.end()});
}

std::vector<ExerciseHandler> Items(std::string_view letters,
                                   const std::function<ExerciseHandler(std::string)>& make) {
  std::vector<ExerciseHandler> out;
  for (char x : letters) out.push_back(make(std::string(1, x)));
  return out;
}

std::vector<ExerciseHandler> Join(std::initializer_list<std::vector<ExerciseHandler>> parts) {
  std::vector<ExerciseHandler> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

void ExerciseTables::Akce(TForm& page) {
  for (auto& [name, step] : hintStep_) step = 0;
  if (options_.selectsTab) {
    Named<TPageControl>(page, "priklady")
        .SetActivePageIndex(options_.slot > 0 ? ExerciseTabIndex[options_.slot] : 0);
  }
  if (options_.activated) options_.activated(page);
}

void ExerciseTables::prikladyChange(TForm& page) {
  if (options_.slot > 0) {
    ExerciseTabIndex[options_.slot] = Named<TPageControl>(page, "priklady").ActivePageIndex();
  }
  HideEnlargedPicture();
}

void ExerciseTables::ShowStep(TForm& page, const HintStepPieces& step) {
  for (const std::string& name : step.hide) Named<TControl>(page, name).SetVisible(false);
  for (const std::string& name : step.show) {
    TControl& c = Named<TControl>(page, name);
    c.SetVisible(true);
    if (step.toFront) c.BringToFront();
  }
}

void ExerciseTables::Run(TForm& page, const std::string& name, TObject* sender) {
  for (const ExerciseHandler& h : handlers_) {
    if (h.name != name) continue;
    auto* button = dynamic_cast<TControl*>(sender);
    switch (h.kind) {
      case ExerciseHandler::Kind::Show:
        ShowStep(page, h.steps.front());
        break;
      case ExerciseHandler::Kind::Hint:
        ShowStep(page, h.steps.front());
        if (button) button->SetEnabled(false);
        break;
      case ExerciseHandler::Kind::Stepped: {
        int& k = hintStep_[name];
        const int n = static_cast<int>(h.steps.size());
        if (k < n) {
          ShowStep(page, h.steps[k]);
          if (k + 1 == n && button) button->SetEnabled(false);
        }
        ++k;  // on every click, whatever it showed
        break;
      }
      case ExerciseHandler::Kind::Enlarge:
        ShowEnlargedPicture(options_.folder, h.picture);
        break;
    }
    return;
  }
}

int ExerciseTables::HintStep(const std::string& handler) const {
  auto it = hintStep_.find(handler);
  return it == hintStep_.end() ? 0 : it->second;
}
