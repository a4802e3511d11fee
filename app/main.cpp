#include "ui/form1.h"

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  try {
    Application->Initialize();
    SetApplicationMainFormOnTaskBar(Application, true);
    Application->CreateForm(&Form1);
    Application->Run();
  } catch (...) {
    Application->ReportCurrentException();
    return 1;  // a start-up failure, or an error that escaped the loop, is not a success
  }
  return 0;
}
