#include "ui/form1.h"

#include "core/ev.h"
#include "core/text_to_double.h"
#include "ui/click_binding.h"
#include "ui/control_text.h"
#include "ui/float_to_str.h"
#include "ui/form_loading.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner) : QWidget(owner) {
  LoadFormDescription(this);
  BindClick(Button1, this, &TForm1::Button1Click);
}

void TForm1::Button1Click(QObject* /*Sender*/) {
  EvInputs in{};
  in.MoneyToCall = TextToDouble(ControlText(MoneyToCallEdit));
  in.Winnings = TextToDouble(ControlText(WinningsEdit));
  // Outs are read before known cards although their field stands lower; keep this order.
  in.Outs = TextToDouble(ControlText(OutsEdit));
  in.KnownCards = TextToDouble(ControlText(KnownCardsEdit));
  const double probability = HitProbability(in.Outs, in.KnownCards);
  SetControlText(CallEvEdit, FloatToStr(CallEv(probability, in.Winnings)));
  SetControlText(FoldEvEdit, FloatToStr(FoldEv(in.MoneyToCall, probability)));
}
