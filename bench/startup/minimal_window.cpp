// The yardstick for start-up: a Qt Widgets window with the calculator's number and kinds
// of widgets (seven labels, one button, six line edits) with the same texts in the same
// places, in Qt's default font, and no logic.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal window");
  window.resize(375, 342);
  const struct {
    int top;
    const char* caption;
  } labels[] = {{8, "Input a . instead of a comma example:  124.56"},
                {65, "Money to call:"},
                {96, "Money to win after your call:"},
                {128, "Amount of known cards:"},
                {163, "Your outs:"},
                {208, "Call EV:"},
                {239, "Fold EV:"}};
  for (const auto& label : labels) {
    (new QLabel(label.caption, &window))->setGeometry(8, label.top, 343, 19);
  }
  (new QPushButton("Calculated", &window))->setGeometry(195, 296, 75, 25);
  const int editTops[] = {64, 91, 127, 162, 207, 239};
  for (int top : editTops) (new QLineEdit(&window))->setGeometry(195, top, 137, 21);
  window.show();
  return QApplication::exec();
}
