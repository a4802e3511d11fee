#pragma once

#include "ui/form1_description.h"
#include "ui/gui_library.h"

// The calculator window. Its controls and their properties come from its form
// description; the only behaviour it adds is the calculation on a click of Button1.
class TForm1 : public TForm {
 public:
  explicit TForm1(TObject* owner);

  TButton* Button1;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;
  TLabel* Label7;
  TEdit* MoneyToCallEdit;
  TEdit* WinningsEdit;
  TEdit* KnownCardsEdit;
  TEdit* OutsEdit;
  TEdit* CallEvEdit;
  TEdit* FoldEvEdit;

  // Reads the four inputs, computes, and writes the call result before the fold result
  // is even computed, so a fault in the fold result leaves the call result shown.
  void Button1Click(TObject* Sender);
};

extern TForm1* Form1;
