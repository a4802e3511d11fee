#include <QLabel>
#include <QWidget>

#include "ui/gui_library.h"
#include "ui/qt/font.h"

namespace {

// Each caption is its control's buddy, so assistive technology names the control by it.
void NameControlsByTheirLabels(const TForm& form) {
  for (const auto& control : form.Controls()) {
    const std::string_view named = control->Description().focusControl;
    if (named.empty()) continue;
    static_cast<QLabel*>(control->Handle())->setBuddy(form.FindControl<TControl>(named)->Handle());
  }
}

void SetTabOrder(const TForm& form) {
  for (const auto& control : form.Controls()) {
    if (control->Description().tabOrder < 0) control->Handle()->setFocusPolicy(Qt::NoFocus);
  }
  const std::vector<const TControl*> stops = form.TabStops();
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->Handle(), stops[i]->Handle());
  }
}

}  // namespace

struct TForm::Native {};

TForm::TForm(TObject* /*owner*/, const FormDescription& description)
    : description_(description), handle_(new QWidget) {
  handle_->setWindowTitle(ToQString(description.caption));
  handle_->setFont(ToQFont(description.font));
  handle_->resize(description.clientWidth, description.clientHeight);
  // The frame's top-left corner at the designed place.
  handle_->move(description.left, description.top);
  CreateControls();
  NameControlsByTheirLabels(*this);
  SetTabOrder(*this);
}

TForm::~TForm() {
  controls_.clear();
  delete handle_;  // and with it every native control
}

void TForm::Show() {
  handle_->show();
}
