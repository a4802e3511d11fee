// Many clicks with random and adversarial field texts, up to a field's limit, through the
// real form. Every click either shows what the core gives for the texts the fields hold,
// or reports exactly one fault and leaves the fold result, written last, as it was.
// VORN_SOAK_CLICKS sets the count (the long run uses 100000).

#include <QString>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "core/ev.h"
#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "tests/behaviours/suite.h"
#include "tests/core/test_support.h"
#include "tests/qt/form_fixture.h"
#include "tests/shared/random_texts.h"
#include "ui/float_to_str.h"

using namespace vorn;  // the core under test

namespace {

constexpr std::uint64_t kSeed = 7707;

int SoakClicks() {
  const char* configured = std::getenv("VORN_SOAK_CLICKS");
  return configured ? std::atoi(configured) : 2000;
}

// What the core gives for the texts as the click reads them, each field into its own
// term; nothing when it faults.
std::optional<std::pair<std::string, std::string>> CoreResults(const std::string (&texts)[4]) {
  try {
    const double p = HitProbability(TextToDouble(texts[2]), TextToDouble(texts[3]));
    const double call = CallEv(p, TextToDouble(texts[1]));
    const double fold = FoldEv(TextToDouble(texts[0]), p);
    EXPECT_TRUE(std::isfinite(call) && std::isfinite(fold)) << "the core gave no fault";
    return std::pair(FloatToStr(call), FloatToStr(fold));
  } catch (const Exception&) {
    return std::nullopt;
  }
}

using Soak = FormTest;

TEST_F(Soak, EveryClickShowsTheCoresResultsOrReportsOneFault) {
  RandomTexts random(kSeed, kPromisedFieldLimit);
  SCOPED_TRACE(random.Describe());
  QLineEdit* const fields[] = {Widget(form->MoneyToCallEdit), Widget(form->WinningsEdit),
                               Widget(form->OutsEdit), Widget(form->KnownCardsEdit)};
  const int clicks = SoakClicks();
  int faults = 0;
  for (int i = 0; i < clicks && !HasFailure(); ++i) {
    std::string texts[4];
    for (int f = 0; f < 4; ++f) {
      texts[f] = f < 2 || i % 2 ? random.Next() : random.CardCount();  // outs, known cards
      fields[f]->setText(QString::fromStdString(texts[f]));
      texts[f] = fields[f]->text().toStdString();  // as the field holds it
    }
    const QString oldFold = Widget(form->FoldEvEdit)->text();
    const std::size_t reportsBefore = reports.size();
    Click();

    std::string context = "click " + std::to_string(i) + " on";
    for (const std::string& text : texts) context += " " + Printable(text.substr(0, 40));
    const auto core = CoreResults(texts);
    ASSERT_EQ(reports.size() - reportsBefore, core ? 0u : 1u) << context;
    faults += core ? 0 : 1;
    // The fold result is written last, so a fault always leaves it as it was.
    EXPECT_EQ(Widget(form->FoldEvEdit)->text().toStdString(),
              core ? core->second : oldFold.toStdString())
        << context;
    if (core) {
      EXPECT_EQ(Widget(form->CallEvEdit)->text().toStdString(), core->first) << context;
    }
  }
  RecordProperty("faulting_clicks", faults);
  EXPECT_GT(faults, 0) << "the generator should reach the faults";
}

}  // namespace
