// The cost of one complete click on the real form, offscreen: four reads, the reading,
// the arithmetic, the rendering and two writes.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QPushButton>

#include "tests/qt/qt_widgets.h"
#include "ui/form1.h"

namespace {

void Fill(TForm1& form, const QString& call, const QString& win, const QString& known,
          const QString& outs) {
  Widget(form.MoneyToCallEdit)->setText(call);
  Widget(form.WinningsEdit)->setText(win);
  Widget(form.KnownCardsEdit)->setText(known);
  Widget(form.OutsEdit)->setText(outs);
}

void RunClicks(benchmark::State& state, TForm1& form) {
  for (auto _ : state) Widget(form.Button1)->click();
  benchmark::DoNotOptimize(Widget(form.CallEvEdit)->text());
}

void BM_Click(benchmark::State& state) {
  TForm1 form(nullptr);
  form.Show();
  Fill(form, "10", "30", "5", "9");
  RunClicks(state, form);
}

// Every field at a line edit's default limit of 32767 characters.
void BM_ClickLongFields(benchmark::State& state) {
  TForm1 form(nullptr);
  form.Show();
  const QString digits(32767, '7');
  Fill(form, digits, digits, "5" + QString(32766, '0'), digits);
  RunClicks(state, form);
}

}  // namespace

BENCHMARK(BM_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickLongFields)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  TApplication application(argc, argv);
  application.Initialize();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
