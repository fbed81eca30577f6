// The knowledge test: ten questions, one drawn from each of the ten question files in a random
// order, five answers in a random order, a verdict for each answer and a report with the mark
// and the time taken.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceTest : public TForm {
 public:
  explicit TfrmFceTest(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TImage* ukol = nullptr;
  TLabel* text_zadani1 = nullptr;
  TImage* img_zadani = nullptr;
  TLabel* text_zadani2 = nullptr;
  TRadioButton *btnM1 = nullptr, *btnM2 = nullptr, *btnM3 = nullptr, *btnM4 = nullptr,
               *btnM5 = nullptr;
  TLabel *lblM1 = nullptr, *lblM2 = nullptr, *lblM3 = nullptr, *lblM4 = nullptr, *lblM5 = nullptr;
  TImage *m_img1 = nullptr, *m_img2 = nullptr, *m_img3 = nullptr, *m_img4 = nullptr,
         *m_img5 = nullptr;
  TLabel* lblSpravna = nullptr;
  TBitBtn* btnRes = nullptr;
  TShape* obdelnik = nullptr;
  TRichEdit* hodnoceni = nullptr;
  TImage* img_vysledek = nullptr;

  // OnActivate: starts a new test and puts question 1.
  void Akce(TObject* Sender);
  // OnClick of btnRes: checks the chosen answer, or brings the next question or the report.
  void proved(TObject* Sender);

 private:
  void PutQuestion();
  void AbandonQuestion();
  void CheckAnswer();
  void ShowReport();
  void Emphasise(int start, int length);
};

extern TfrmFceTest* frmFceTest;

// ---- question files -----------------------------------------------------------------------------

// The nine fields of a question line: 1 text before the picture, 2 picture, 3 text after the
// picture, 4 answer kind ("i": picture answers), 5 the correct answer, 6 to 9 the wrong ones.
using QuestionFields = std::array<std::string, 9>;

// Each field is the text before the next "|"; once no bar is left, the rest of the fields are
// empty. Text after the ninth bar is ignored; blanks are kept.
QuestionFields SplitQuestionLine(std::string_view line);

// ---- drawing ----------------------------------------------------------------------------------

// The order of the question files: entry i (1 to 10) takes draw() (1 to 10); while an earlier
// entry holds the same number, it draws again and checks from the first entry. Entry 0 is
// unused.
void DrawFileOrder(std::array<int, 11>& order, const std::function<int()>& draw);

// The order of the answers: position p (1 to 5) takes draw() (1 to 5); while some position
// holds it, it draws again and checks from the first position. Entry 0 is unused.
void DrawAnswerOrder(std::array<int, 6>& order, const std::function<int()>& draw);

// The school mark for a number of right answers out of ten: "1" (9, 10) to "5" (0 to 2).
std::string MarkFor(int correctCount);
