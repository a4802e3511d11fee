#include <cstdio>
#include <string>

#include "app/display_check.h"
#include "ui/application.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  if (const std::string problem = DisplayProblem(); !problem.empty()) {
    std::fprintf(stderr, "vorn-ev-calculator: %s.\n", problem.c_str());
    return 1;
  }
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
