#include "ui/form1.h"

#include "core/ev.h"
#include "core/text_to_double.h"
#include "ui/float_to_str.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TObject* owner)
    : TForm(owner, kForm1Description),
      Button1(FindControl<TButton>("Button1")),
      Label1(FindControl<TLabel>("Label1")),
      Label2(FindControl<TLabel>("Label2")),
      Label3(FindControl<TLabel>("Label3")),
      Label4(FindControl<TLabel>("Label4")),
      Label5(FindControl<TLabel>("Label5")),
      Label6(FindControl<TLabel>("Label6")),
      Label7(FindControl<TLabel>("Label7")),
      MoneyToCallEdit(FindControl<TEdit>("MoneyToCallEdit")),
      WinningsEdit(FindControl<TEdit>("WinningsEdit")),
      KnownCardsEdit(FindControl<TEdit>("KnownCardsEdit")),
      OutsEdit(FindControl<TEdit>("OutsEdit")),
      CallEvEdit(FindControl<TEdit>("CallEvEdit")),
      FoldEvEdit(FindControl<TEdit>("FoldEvEdit")) {
  Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
}

void TForm1::Button1Click(TObject* /*Sender*/) {
  vorn::EvInputs in{};
  in.MoneyToCall = vorn::TextToDouble(MoneyToCallEdit->Text());
  in.Winnings = vorn::TextToDouble(WinningsEdit->Text());
  // Outs are read before known cards although their field stands lower; keep this order.
  in.Outs = vorn::TextToDouble(OutsEdit->Text());
  in.KnownCards = vorn::TextToDouble(KnownCardsEdit->Text());
  const double probability = vorn::HitProbability(in.Outs, in.KnownCards);
  CallEvEdit->SetText(FloatToStr(vorn::CallEv(probability, in.Winnings)));
  FoldEvEdit->SetText(FloatToStr(vorn::FoldEv(in.MoneyToCall, probability)));
}
