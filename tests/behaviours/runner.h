#pragma once

// Runs one behaviour of the suite on a window through its driver, as gtest failures that
// name the step's line and the input.

#include "tests/behaviours/suite.h"
#include "tests/behaviours/window_driver.h"
#include "ui/form_description.h"

void RunBehaviour(const Behaviour& behaviour, WindowDriver& window,
                  const FormDescription& description, const WorkedExample& example);
