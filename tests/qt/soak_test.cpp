// Many clicks with random and adversarial field texts through the real form. Every click
// either shows two finite results or reports exactly one fault and leaves the results that
// were not reached untouched. VORN_SOAK_CLICKS sets the count (the long run uses 100000).

#include <QString>
#include <cstdlib>
#include <random>

#include "core/ev.h"
#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "tests/qt/form_fixture.h"
#include "ui/float_to_str.h"

using namespace vorn;  // the core under test

namespace {

constexpr std::uint64_t kSeed = 7707;

int SoakClicks() {
  const char* configured = std::getenv("VORN_SOAK_CLICKS");
  return configured ? std::atoi(configured) : 2000;
}

class FieldTextGenerator {
 public:
  std::string Next() {
    static const char* const kEdges[] = {"",
                                         "0",
                                         "-0",
                                         "52",
                                         "51.5",
                                         "53",
                                         "1e308",
                                         "-1e308",
                                         "1.7976931348623157e308",
                                         "1e-320",
                                         "4.9e-324",
                                         "12,5",
                                         "1e",
                                         "abc",
                                         "  7",
                                         "2.5e-",
                                         "999999999999999999999",
                                         "0.3",
                                         "-1",
                                         "1e999",
                                         "\xC3\xA9",
                                         "5\xE2\x82\xAC"};
    // Long texts are rare: laying out 32767 characters dominates a click's cost.
    const int kind = Uniform(0, 40);
    switch (kind < 30 ? kind / 10 : kind == 30 ? 3 : 4) {
      case 0:
        return kEdges[Uniform(0, static_cast<int>(std::size(kEdges)) - 1)];
      case 1:
        return std::to_string(Uniform(-5, 60));
      case 2: {  // a random double, in full
        const double value = std::ldexp(Real(), Uniform(-1080, 1030)) * (Uniform(0, 1) ? 1 : -1);
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        return buffer;
      }
      case 3: {  // a long run of digits, up to a line edit's limit
        std::string digits(Uniform(1, 32767), '0');
        for (char& c : digits) c = static_cast<char>('0' + Uniform(0, 9));
        return digits;
      }
      default: {  // printable junk
        std::string text(Uniform(0, 12), ' ');
        for (char& c : text) c = static_cast<char>(Uniform(0x20, 0x7E));
        return text;
      }
    }
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  double Real() { return std::uniform_real_distribution<double>(0.5, 1.0)(engine_); }
  std::mt19937_64 engine_{kSeed};
};

// Which step of the calculation faults for these texts, computed on the core directly.
struct Expected {
  int faultingStep = 0;  // 0: none, 1: probability or call EV, 2: fold EV
  std::string call, fold;
};

Expected Predict(const std::string (&texts)[4]) {
  Expected e;
  double probability = 0;
  try {
    probability = HitProbability(TextToDouble(texts[2]), TextToDouble(texts[3]));
    e.call = FloatToStr(CallEv(probability, TextToDouble(texts[1])));
  } catch (const Exception&) {
    e.faultingStep = 1;
    return e;
  }
  try {
    e.fold = FloatToStr(FoldEv(TextToDouble(texts[0]), probability));
  } catch (const Exception&) {
    e.faultingStep = 2;
  }
  return e;
}

bool LooksFinite(const QString& text) {
  return !text.contains("inf", Qt::CaseInsensitive) && !text.contains("nan", Qt::CaseInsensitive);
}

using Soak = FormTest;

TEST_F(Soak, EveryClickShowsFiniteResultsOrReportsOneFault) {
  FieldTextGenerator generator;
  QLineEdit* const fields[] = {Widget(form->MoneyToCallEdit), Widget(form->WinningsEdit),
                               Widget(form->OutsEdit), Widget(form->KnownCardsEdit)};
  const int clicks = SoakClicks();
  int faults = 0;
  for (int i = 0; i < clicks && !HasFailure(); ++i) {
    std::string texts[4];
    for (int f = 0; f < 4; ++f) {
      texts[f] = generator.Next();
      fields[f]->setText(QString::fromStdString(texts[f]));
      texts[f] = fields[f]->text().toStdString();  // as the field holds it
    }
    const QString oldCall = Widget(form->CallEvEdit)->text(),
                  oldFold = Widget(form->FoldEvEdit)->text();
    const std::size_t reportsBefore = reports.size();
    const Expected expected = Predict(texts);
    Click();

    const std::string context = "click " + std::to_string(i);
    ASSERT_EQ(reports.size() - reportsBefore, expected.faultingStep ? 1u : 0u) << context;
    faults += expected.faultingStep ? 1 : 0;
    EXPECT_TRUE(LooksFinite(Widget(form->CallEvEdit)->text())) << context;
    EXPECT_TRUE(LooksFinite(Widget(form->FoldEvEdit)->text())) << context;
    EXPECT_EQ(Widget(form->CallEvEdit)->text(),
              expected.faultingStep == 1 ? oldCall : QString::fromStdString(expected.call))
        << context;
    EXPECT_EQ(Widget(form->FoldEvEdit)->text(),
              expected.faultingStep ? oldFold : QString::fromStdString(expected.fold))
        << context;
  }
  RecordProperty("faulting_clicks", faults);
  EXPECT_GT(faults, 0) << "the generator should reach the faults";
}

}  // namespace
